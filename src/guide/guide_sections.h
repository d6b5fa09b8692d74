#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kortiv::guide {

// The list of messages, grouped by kind, each with what to do about it.
std::string MessagesHtml();

// The texts of the status bar.
std::string StatusTextsHtml();

// The six built-in examples: caption, the elements they are made of and
// what each one teaches.
std::string ExamplesHtml();

// The generated fragments by the name of their marker in the guide's
// source ("<!-- kortiv:elements -->" is replaced by fragment "elements").
std::map<std::string, std::string> GeneratedFragments(std::string_view picture_dir);

// The guide with every marker replaced by its fragment. A marker without a
// fragment, or a fragment that the source never asks for, gives nothing: the
// guide would otherwise lose a section without anyone noticing.
struct Assembly {
  std::optional<std::string> html;
  std::string problem;  // why there is no html
};
Assembly AssembleGuide(std::string_view source,
                       const std::map<std::string, std::string>& fragments);

}  // namespace kortiv::guide
