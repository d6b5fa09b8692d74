#include "analysis/chain_graph_text.h"

#include "analysis/chain_graph.h"

namespace kortiv {

std::string ChainGraphText(const ChainGraph& graph) {
  std::string text = "S=" + std::to_string(graph.S) + " F=" + std::to_string(graph.F) +
                     " F3=" + std::to_string(graph.F3) + " M=" + std::to_string(graph.M) +
                     " X=" + std::to_string(graph.X) + " R=" + std::to_string(graph.R) +
                     " K=" + std::to_string(graph.K) + " C=" + std::to_string(graph.C) + "\n";
  for (int r = 0; r < graph.R; ++r) {
    const auto& row = graph.rows[r];
    int end = static_cast<int>(row.size());
    while (end > 1 && row[end - 1] == 0) --end;
    for (int c = 0; c < end; ++c) {
      if (c > 0) text += ' ';
      text += std::to_string(row[c]);
    }
    text += '\n';
  }
  return text;
}

}  // namespace kortiv
