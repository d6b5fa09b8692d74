#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kortiv {

class Scheme;

// One element of a built-in example: stored cell, code, orientation,
// control point (0 = none) and the values of its parameter block.
struct ExampleElement {
  int row;
  int column;
  int code;
  int orientation;
  int control_point;
  std::vector<float> values;
};

struct BuiltinExample {
  std::string_view caption;  // the button caption, which becomes the model name
  std::string_view hint;
  std::vector<ExampleElement> elements;
};

inline constexpr int kBuiltinExampleCount = 6;
// The file path shown for a loaded built-in example.
inline constexpr std::string_view kBuiltinExamplePath = "Встроенный в Kortiv пример";

// The six examples; example k is element k - 1.
std::span<const BuiltinExample> BuiltinExamples();

// Replaces the scheme by example k (1..6): its records, the integration
// values 0, 0.01, 5 and the parameter blocks in element order from address 3.
// Returns the model name; another k changes nothing and gives an empty name.
std::string_view LoadBuiltinExample(Scheme& scheme, int k);

}  // namespace kortiv
