// Many generated schemes, sound and faulty: the analysis never crashes, and
// every graph it builds keeps the invariants the calculation relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

#include "analysis/ordering.h"
#include "analysis/simplify.h"
#include "analysis_fixture.h"
#include "scheme_generators.h"

namespace kortiv {
namespace {

// The contour header in front of row r, or -1 when r is in no contour.
int ContourOf(const ChainGraph& g, int r) {
  for (int h = 0; h < r; ++h) {
    if (g.IsContourHeader(h) && r <= h + g.Length(h)) return h;
  }
  return -1;
}

bool IsJunctionRow(const ChainGraph& g, const Scheme& scheme, int r) {
  const int code = scheme.GetCode(g.Head(r));
  return code >= 9 && code <= 20;
}

// The order the calculation relies on: every input refers to a chain row
// that ends at a node; outside contours every producer comes before its
// consumers, inside a contour before the contour's end; a contour's chains
// that read a row in front of it come first.
void ExpectOrder(const ChainGraph& g, const Scheme& scheme) {
  std::set<int> contours;
  for (int r = 0; r < g.R; ++r) {
    if (g.IsContourHeader(r)) {
      EXPECT_EQ(g.EndNode(r), 0);
      EXPECT_TRUE(contours.insert(-g.Head(r)).second);
      EXPECT_GE(g.Length(r), 1);
      ASSERT_LT(r + g.Length(r), g.R);
      bool inner_seen = false;
      for (int m = r + 1; m <= r + g.Length(r); ++m) {
        ASSERT_FALSE(g.IsContourHeader(m));
        bool entry = false;
        for (int i = 0; i < g.InputCount(m); ++i) {
          if (IsJunctionRow(g, scheme, m) && std::abs(g.Input(m, i)) - 1 < r) entry = true;
        }
        EXPECT_FALSE(entry && inner_seen) << "contour row " << m;
        inner_seen = inner_seen || !entry;
      }
      continue;
    }
    const int contour = ContourOf(g, r);
    for (int i = 0; i < g.InputCount(r); ++i) {
      const int p = std::abs(g.Input(r, i)) - 1;
      ASSERT_GE(p, 0) << "row " << r;
      ASSERT_LT(p, g.R) << "row " << r;
      EXPECT_FALSE(g.IsContourHeader(p)) << "row " << r;
      EXPECT_GT(g.EndNode(p), 0) << "producer " << p << " of row " << r;
      if (contour < 0) {
        EXPECT_LT(p, r) << "row " << r;
      } else {
        EXPECT_TRUE(p < contour || p <= contour + g.Length(contour)) << "row " << r;
      }
    }
  }
  EXPECT_EQ(static_cast<int>(contours.size()), g.C);
}

// Nodes 1..K, each the end of one chain.
void ExpectNodes(const ChainGraph& g) {
  std::multiset<int> nodes;
  for (int r = 0; r < g.R; ++r) {
    if (g.EndNode(r) != 0) nodes.insert(g.EndNode(r));
  }
  EXPECT_EQ(static_cast<int>(nodes.size()), g.K);
  for (int k = 1; k <= g.K; ++k) EXPECT_EQ(nodes.count(k), 1u) << "node " << k;
}

void ExpectInvariants(const ChainGraph& g, const Scheme& scheme, bool all_elements_chained,
                      const std::string& where) {
  SCOPED_TRACE(where);
  ASSERT_EQ(g.RowCapacity(), g.R + 1);
  for (const auto& row : g.rows) ASSERT_EQ(static_cast<int>(row.size()), g.ColumnCapacity());
  EXPECT_TRUE(std::all_of(g.rows[g.R].begin(), g.rows[g.R].end(), [](int v) { return v == 0; }));
  ExpectOrder(g, scheme);
  ExpectNodes(g);
  std::map<int, int> chained;  // element -> times found in the chains
  int sources = 0, junctions = 0;
  for (int r = 0; r < g.R; ++r) {
    if (g.IsContourHeader(r)) continue;
    const int code = scheme.GetCode(g.Head(r));
    if (code >= 100) ++sources;
    if (IsJunctionRow(g, scheme, r)) ++junctions;
    EXPECT_EQ(r < g.S, code >= 100) << "row " << r;
    ++chained[g.Head(r)];
    for (int i = 2; i <= g.Length(r); ++i) {
      EXPECT_GE(scheme.GetCode(g.Element(r, i)), 5) << "row " << r;
      ++chained[g.Element(r, i)];
    }
  }
  EXPECT_EQ(sources, g.S);
  EXPECT_EQ(junctions, g.M);
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    const int code = scheme.GetCode(n);
    if (code < 100) continue;  // connections may be simplified away
    if (all_elements_chained) EXPECT_EQ(chained[n], 1) << "element " << n;
    if (!all_elements_chained) EXPECT_LE(chained[n], 1) << "element " << n;
  }
}

// Found by the generator: the loop's output runs through a fork chain that
// feeds another fork chain; sorting used to pull that chain in front of the
// contour it reads, and back, for ever.
TEST(AnalysisRandom, ChainsFedFromAContourThroughForkChainsAreOrdered) {
  test::AnalysisBench b;
  test::Place(b.scheme, {{7, 6, 101, 0, 1},
                         {7, 7, 9, 0},
                         {7, 8, 200, 0},
                         {7, 9, 5, 0},
                         {8, 9, 2, 2},
                         {8, 8, 1, 2},
                         {8, 7, 2, 3},
                         {7, 10, 2, 1},
                         {8, 10, 201, 1},
                         {9, 10, 6, 1},
                         {9, 11, 200, 0},
                         {9, 12, 1, 0},
                         {9, 13, 201, 0, 2},
                         {10, 10, 1, 1},
                         {11, 10, 1, 1},
                         {12, 10, 3, 0},
                         {12, 11, 3, 3, 3},
                         {11, 11, 201, 3, 4},
                         {10, 11, 8, 3}});
  EXPECT_EQ(b.Analyse(), std::vector<std::string>{});
  ASSERT_TRUE(b.graph.built);
  EXPECT_EQ(b.graph.C, 1);
  ExpectInvariants(b.graph, b.scheme, true, "");
}

// Whatever feeds what, once every chain lies on a way from a source or on
// a loop through a summator, the simplified table keeps every reference
// and node, the passes settle and the order holds.
TEST(AnalysisRandom, GeneratedTablesAreOrderedAndBuilt) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::WalkedTableGenerator::PlaceHeads(scheme);
  test::WalkedTableGenerator generator(20261208);
  int tables = 0, with_contours = 0, with_two_contours = 0;
  for (int k = 0; tables < 5000; ++k) {
    ChainGraph g;
    if (!generator.Generate(g)) continue;
    ++tables;
    messages.Clear();
    g.built = true;
    The_simpler_the_better(g, scheme, messages);
    const int P0 = PlaceReadyChains(g);
    const int Q = MoveOutputChainsDown(g, P0);
    if (Q > P0) OrderFeedbackRegion(g, scheme, messages, P0, Q);
    SCOPED_TRACE("table " + std::to_string(k));
    // A loop that nothing outside feeds has no chain to come first.
    for (const auto& text : messages.Texts()) {
      EXPECT_EQ(text, "LoopChain_Sorting: Не удалось упорядочить контур!");
    }
    ASSERT_TRUE(g.built);
    ExpectOrder(g, scheme);
    ExpectNodes(g);
    if (HasFailure()) break;
    with_contours += g.C > 0;
    with_two_contours += g.C > 1;
  }
  EXPECT_GT(with_contours, 3500);
  EXPECT_GT(with_two_contours, 900);
}

TEST(AnalysisRandom, GeneratedSchemesKeepTheGraphInvariants) {
  test::SchemeGenerator generator(20261208);
  int built = 0, with_contours = 0, hanging_accepted = 0;
  std::map<std::string, int> stops;
  for (int k = 0; k < 4000; ++k) {
    test::AnalysisBench b;
    generator.Generate(b.scheme);
    const bool yes = generator.Chance(50);
    b.messages.answers = {yes};
    const auto texts = b.Analyse();
    const bool asked = !b.messages.entries.empty() && b.messages.entries[0].question;
    if (!texts.empty()) ++stops[texts.back()];
    if (!b.graph.built) continue;
    ++built;
    if (b.graph.C > 0) ++with_contours;
    if (asked) ++hanging_accepted;
    ExpectInvariants(b.graph, b.scheme, !asked, "scheme " + std::to_string(k));
    if (HasFailure()) break;
  }
  // The generator must reach every kind of outcome for the test to mean much.
  EXPECT_GT(built, 800);
  EXPECT_GT(with_contours, 50);
  EXPECT_GT(hanging_accepted, 50);
  EXPECT_GT(stops["В схеме есть неверно развёрнутые элементы!\n Расчет невозможен."], 50);
  EXPECT_GT(stops["В схеме есть незадействованные входа!\nРасчет невозможен."], 50);
  for (const auto& [text, count] : stops) std::printf("%6d  %s\n", count, text.c_str());
  std::printf("built %d, with contours %d, hanging accepted %d\n", built, with_contours,
              hanging_accepted);
}

}  // namespace
}  // namespace kortiv
