#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kortiv::guide {

// What the guide says of one element beyond the program's own tables: its
// transfer function or characteristic and the conditions on its parameters.
struct ElementNote {
  int code;
  std::string_view formula;
  std::string_view limits;  // empty: any values are accepted
};

// A note for every code of the catalogue, in code order.
std::span<const ElementNote> ElementNotes();

// The anchor of an element's section ("element-204") and the file name of
// its symbol picture ("element-204.png").
std::string ElementAnchor(int code);
std::string ElementPictureName(int code);

// The sections of every library group with every element: symbol, formula,
// the parameters as the parameter dialog shows them, with their defaults,
// spin limits and choices, and the conditions. Pictures are referred to in
// `picture_dir`.
std::string ElementSectionsHtml(std::string_view picture_dir);

}  // namespace kortiv::guide
