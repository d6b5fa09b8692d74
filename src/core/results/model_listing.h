#pragma once

#include <string>
#include <vector>

namespace kortiv {

class Scheme;

// A line of the printed model listing and the text column it starts in.
struct ListingLine {
  enum class Column { kHeading, kFirst, kSecond };  // at 4·X1, X1, X2
  Column column;
  std::string text;
};

// The text part of the model printout: "Параметры модели:", the integration
// interval, then every element that is not a link element with its name and
// cell, followed by its parameter text, one entry per printed line.
std::vector<ListingLine> ModelListing(const Scheme& scheme, char decimal_separator = '.');

// The parameter text of element n split at its line breaks; empty for
// kinds without parameters.
std::vector<std::string> ParameterText(const Scheme& scheme, int n, char decimal_separator = '.');

}  // namespace kortiv
