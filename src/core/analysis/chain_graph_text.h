#pragma once

#include <string>

namespace kortiv {

struct ChainGraph;

// The counters line "S=.. F=.. F3=.. M=.. X=.. R=.. K=.. C=.." followed by
// rows 0..R-1, one per line, columns from 0 separated by single spaces with
// the trailing zero columns left out. Every line ends with '\n'.
std::string ChainGraphText(const ChainGraph& graph);

}  // namespace kortiv
