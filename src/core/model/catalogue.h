#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kortiv {

class Messenger;

// Element code ranges. Connections are 1..20, sources 100..113, linear
// elements 200..214, nonlinear elements 300..308, functions 500..507.
inline constexpr int kSweepGeneratorCode = 112;
inline constexpr int kGeneralLinearCode = 212;

// Groups returned by GroupCode.
enum ElementGroup : int {
  kGroupSummator = 1,
  kGroupMultiplier = 2,
  kGroupFork = 3,
  kGroupWire = 4,
  kGroupSource = 11,
  kGroupSweepGenerator = 15,
  kGroupLinear = 21,
  kGroupNonlinear = 31,
  kGroupFunctional = 51,
};

struct CatalogueEntry {
  int code;
  std::string_view name;
  int param_count;
};

// One range of codes as the element library lists it.
struct LibraryRange {
  std::string_view list_item;  // empty: the range has no list item
  int first_code;
  int last_code;
  int count;
};

// Every element code with its name and parameter count, in code order.
std::span<const CatalogueEntry> Catalogue();

// The code ranges in library order (connections, sources, linear,
// nonlinear, the empty 400 range, functions).
std::span<const LibraryRange> LibraryRanges();

// The element's name; "Имя отсутствует" for a code outside the catalogue.
std::string ElementName(int code);

// The group of a code; reports an invalid group (<= 0 or > 51) and returns it.
int GroupCode(int code, Messenger& messenger);

// The group of a code without the report, for callers that only classify.
int GroupOf(int code);

// Number of parameter values of a code; 7 for the general element 212.
// A code <= 0 is reported and yields 0.
int CatalogueParamCount(int code, Messenger& messenger);

bool IsCatalogueCode(int code);

}  // namespace kortiv
