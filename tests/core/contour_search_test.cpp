// The contour search against the exhaustive one it replaced: walking every
// elementary cycle from every summator, dropping the duplicates and merging
// the loops that share a chain. Both must leave the same table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "analysis/chain_walk.h"
#include "analysis/contours.h"
#include "analysis/link_rules.h"
#include "analysis/ordering.h"
#include "analysis/simplify.h"
#include "analysis/sorting.h"
#include "analysis_fixture.h"
#include "diamond_scheme.h"
#include "model/builtin_examples.h"
#include "scheme_generators.h"

namespace kortiv {
namespace {

// The exhaustive search, as the analysis did it before.
namespace exhaustive {

void AllLoops(const ChainGraph& g, int x, int bound, Loop& path, std::vector<Loop>& loops) {
  int previous = 0;
  for (int i = 0; i < g.InputCount(x); ++i) {
    const int b = std::abs(g.Input(x, i));
    if (b < bound || b == previous) continue;
    previous = b;
    if (b == path.front()) {
      loops.push_back(path);
    } else if (std::find(path.begin(), path.end(), b) == path.end()) {
      path.push_back(b);
      AllLoops(g, b - 1, bound, path, loops);
      path.pop_back();
    }
  }
}

bool SameMembers(Loop a, Loop b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

bool Intersect(const Loop& a, const Loop& b) {
  return std::any_of(a.begin(), a.end(),
                     [&](int m) { return std::find(b.begin(), b.end(), m) != b.end(); });
}

void RemoveDuplicates(std::vector<Loop>& loops) {
  for (std::size_t b = 1; b < loops.size();) {
    const bool duplicate = std::any_of(loops.begin(), loops.begin() + b,
                                       [&](const Loop& a) { return SameMembers(a, loops[b]); });
    if (duplicate) {
      loops.erase(loops.begin() + b);
    } else {
      ++b;
    }
  }
}

std::vector<Loop> Merge(const std::vector<Loop>& loops, int P0, int Q) {
  const std::size_t n = loops.size();
  std::vector<int> group(n, -1);
  std::vector<Loop> contours;
  for (int r = P0 + 1; r <= Q; ++r) {
    std::size_t first = 0;
    while (first < n && (group[first] >= 0 || std::find(loops[first].begin(), loops[first].end(),
                                                        r) == loops[first].end())) {
      ++first;
    }
    if (first == n) continue;
    const int id = static_cast<int>(contours.size());
    group[first] = id;
    for (bool grew = true; grew;) {
      grew = false;
      for (std::size_t h = 0; h < n; ++h) {
        if (group[h] >= 0) continue;
        for (std::size_t k = 0; k < n; ++k) {
          if (group[k] == id && Intersect(loops[h], loops[k])) {
            group[h] = id;
            grew = true;
            break;
          }
        }
      }
    }
    Loop contour = loops[first];
    for (std::size_t k = 0; k < n; ++k) {
      if (group[k] != id || k == first) continue;
      for (int m : loops[k]) {
        if (std::find(contour.begin(), contour.end(), m) == contour.end()) contour.push_back(m);
      }
    }
    contours.push_back(contour);
  }
  return contours;
}

void FindContours(ChainGraph& g, const Scheme& scheme, int P0, int Q) {
  g.C = 0;
  std::vector<Loop> loops;
  for (int x = P0; x < Q; ++x) {
    if (g.IsContourHeader(x) || !IsJunctionCode(scheme.GetCode(g.Head(x)))) continue;
    Loop path{x + 1};
    AllLoops(g, x, P0 + 1, path, loops);
  }
  if (loops.empty()) return;
  RemoveDuplicates(loops);
  if (loops.size() > 1) loops = Merge(loops, P0, Q);
  g.C = static_cast<int>(loops.size());
  InsertContourHeaders(g, loops);
}

}  // namespace exhaustive

// Runs both searches on copies of a table made ready for them (simplified
// unless `simplify` is false, placed, inputs ordered) and compares the tables
// they leave. Returns the number of contours, or -1 when the table has no
// region with summators.
int CompareSearches(ChainGraph g, const Scheme& scheme, const std::string& where,
                    bool simplify = true) {
  SCOPED_TRACE(where);
  test::RecordingMessenger messages;
  g.built = true;
  if (simplify) The_simpler_the_better(g, scheme, messages);
  const int P0 = PlaceReadyChains(g);
  const int Q = MoveOutputChainsDown(g, P0);
  if (Q <= P0 || g.M == 0) return -1;
  OrderLinks(g, P0, Q - 1);
  ChainGraph expected = g;
  exhaustive::FindContours(expected, scheme, P0, Q);
  FindContours(g, scheme, messages, P0, Q);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
  EXPECT_EQ(g.C, expected.C);
  EXPECT_EQ(g.R, expected.R);
  EXPECT_EQ(ChainGraphText(g), ChainGraphText(expected));
  return g.C;
}

// The walked table of a drawn scheme, or false when the walk stops.
bool WalkScheme(const Scheme& scheme, ChainGraph& g) {
  test::RecordingMessenger messages;
  const SchemeCensus census = TakeCensus(scheme);
  g.Reset(0, 0);
  CountCensus(census, g);
  if (census.sources.empty() || !BuildChains(scheme, census, g, messages)) return false;
  for (int r = g.S; r < g.R; ++r) {
    for (int i = 0; i < g.InputCount(r); ++i) {
      if (g.Input(r, i) == 0) return false;
    }
  }
  return true;
}

TEST(ContourSearch, GeneratedSchemesGetTheContoursOfTheExhaustiveSearch) {
  test::SchemeGenerator generator(20261208);
  int compared = 0, with_contours = 0;
  for (int k = 0; k < 4000; ++k) {
    test::RecordingMessenger messages;
    Scheme scheme(messages);
    generator.Generate(scheme);
    ChainGraph g;
    if (!WalkScheme(scheme, g)) continue;
    const int contours = CompareSearches(g, scheme, "scheme " + std::to_string(k));
    compared += contours >= 0;
    with_contours += contours > 0;
    if (HasFailure()) break;
  }
  EXPECT_GT(compared, 300);
  EXPECT_GT(with_contours, 50);
}

TEST(ContourSearch, GeneratedTablesGetTheContoursOfTheExhaustiveSearch) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::WalkedTableGenerator::PlaceHeads(scheme);
  test::WalkedTableGenerator generator(20261209);
  int tables = 0, with_two = 0;
  for (int k = 0; tables < 5000; ++k) {
    ChainGraph g;
    if (!generator.Generate(g)) continue;
    ++tables;
    with_two += CompareSearches(g, scheme, "table " + std::to_string(k)) > 1;
    if (HasFailure()) break;
  }
  EXPECT_GT(with_two, 500);
}

// Summator rows reading each other at random, two or three inputs each, a
// few through fork rows: many overlapping cycles through several summators,
// where the order of the members depends on which cycle meets them first.
TEST(ContourSearch, DenselyLinkedSummatorsGetTheContoursOfTheExhaustiveSearch) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::WalkedTableGenerator::PlaceHeads(scheme);
  std::mt19937 random(7);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  int large = 0;
  for (int k = 0; k < 3000; ++k) {
    const int summators = pick(2, 9), forks = pick(0, 3);
    const int rows = 1 + 2 * forks + summators;
    ChainGraph g;
    g.Reset(rows + summators + 2, 10);
    g.S = 1;
    g.F = forks;
    g.M = summators;
    g.R = rows;
    g.rows[0] = {0, 1, 1, 2, 0, 0, 0, 0, 0, 0};
    const int first_summator = 1 + 2 * forks;
    for (int f = 0; f < forks; ++f) {
      const int producer = pick(first_summator, rows - 1) + 1;
      for (int r = 1 + 2 * f; r <= 2 + 2 * f; ++r) {
        g.rows[r] = {0, 2 + f, 1, 3, producer, 0, 0, 0, 0, 0};
      }
    }
    for (int r = first_summator; r < rows; ++r) {
      const int inputs = pick(2, 3);
      g.rows[r] = {0, 14 + (r - first_summator), 1, 2 + inputs, 0, 0, 0, 0, 0, 0};
      for (int i = 0; i < inputs; ++i) {
        const int sign = pick(0, 2) == 0 ? -1 : 1;
        g.rows[r][ChainGraph::kFirstInputColumn + i] = sign * (pick(0, rows - 1) + 1);
      }
    }
    for (int r = 0; r < rows; ++r) g.rows[r][ChainGraph::kEndNodeColumn] = ++g.K;
    const int contours = CompareSearches(g, scheme, "dense " + std::to_string(k));
    large += contours > 0 && summators >= 7;
    if (HasFailure()) break;
  }
  EXPECT_GT(large, 500);
}

// The walked table of a loop of `diamonds` forks that join again in a
// summator, a way back into the first summator, and a fork row that summator
// `hanging` reads and feeds: a loop through that summator alone, which no
// cycle through the first summator can take in.
ChainGraph DiamondsWithAHangingLoop(int diamonds, int hanging) {
  constexpr int kSource = 1, kFork = 2, kSummator = 14;
  ChainGraph g;
  const int rows = 2 + 3 * diamonds + 2;
  g.Reset(rows + diamonds + 4, 10);
  g.S = 1;
  g.M = diamonds + 1;
  g.F = diamonds + 2;
  g.R = rows;
  auto summator = [](int k) { return k == 0 ? 1 : 1 + 3 * k; };  // row of summator k
  const int back = rows - 2, hang = rows - 1;
  g.rows[0] = {0, kSource, 1, 2, 0, 0, 0, 0, 0, 0};
  g.rows[1] = {0, kSummator, 1, 4, 1, back + 1, 0, 0, 0, 0};
  for (int k = 1; k <= diamonds; ++k) {
    const int s = summator(k);
    g.rows[s - 2] = {0, kFork, 1, 3, summator(k - 1) + 1, 0, 0, 0, 0, 0};
    g.rows[s - 1] = g.rows[s - 2];
    g.rows[s] = {0, kSummator, 1, 4, s - 1, s, 0, 0, 0, 0};
    if (k == hanging) g.rows[s] = {0, kSummator, 1, 5, s - 1, s, hang + 1, 0, 0, 0};
  }
  g.rows[back] = {0, kFork, 1, 3, summator(diamonds) + 1, 0, 0, 0, 0, 0};
  g.rows[hang] = {0, kFork, 1, 3, summator(hanging) + 1, 0, 0, 0, 0, 0};
  for (int r = 0; r < rows; ++r) g.rows[r][ChainGraph::kEndNodeColumn] = ++g.K;
  return g;
}

TEST(ContourSearch, ALoopHangingOffADiamondGetsTheContourOfTheExhaustiveSearch) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::WalkedTableGenerator::PlaceHeads(scheme);
  for (int hanging = 1; hanging <= 6; ++hanging) {
    EXPECT_EQ(CompareSearches(DiamondsWithAHangingLoop(6, hanging), scheme,
                              "hanging at " + std::to_string(hanging), false),
              1);
  }
}

// Every branch above the hanging loop still reaches a member that no cycle
// through the first summator meets; the search gives up on such branches
// instead of walking 2^40 cycles.
TEST(ContourSearch, ALoopHangingOffFortyDiamondsIsFound) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::WalkedTableGenerator::PlaceHeads(scheme);
  ChainGraph g = DiamondsWithAHangingLoop(40, 38);
  const int rows = g.R;
  FindContours(g, scheme, messages, 1, rows);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
  ASSERT_EQ(g.C, 1);
  EXPECT_EQ(g.Length(1), rows - 1);
}

TEST(ContourSearch, BuiltinExamplesGetTheContoursOfTheExhaustiveSearch) {
  int with_contours = 0;
  for (int k = 1; k <= kBuiltinExampleCount; ++k) {
    test::RecordingMessenger messages;
    Scheme scheme(messages);
    LoadBuiltinExample(scheme, k);
    ChainGraph g;
    ASSERT_TRUE(WalkScheme(scheme, g)) << "example " << k;
    with_contours += CompareSearches(g, scheme, "example " + std::to_string(k)) > 0;
  }
  EXPECT_GE(with_contours, 1);
}

// K diamonds in one loop: 2^K cycles through the first summator, one
// contour of all the summator and gain chains.
TEST(ContourSearch, DiamondsInALoopGetTheContourOfTheExhaustiveSearch) {
  for (int diamonds = 1; diamonds <= 8; ++diamonds) {
    test::RecordingMessenger messages;
    Scheme scheme(messages);
    test::BuildDiamondScheme(scheme, diamonds);
    ChainGraph g;
    ASSERT_TRUE(WalkScheme(scheme, g));
    EXPECT_EQ(CompareSearches(g, scheme, "diamonds " + std::to_string(diamonds)), 1);
  }
}

TEST(ContourSearch, ThirtyDiamondsMakeOneContourOfEveryLoopChain) {
  test::AnalysisBench b;
  test::BuildDiamondScheme(b.scheme, 30);
  EXPECT_EQ(b.Analyse(), std::vector<std::string>{});
  ASSERT_TRUE(b.graph.built);
  ASSERT_EQ(b.graph.C, 1);
  // The source, the header, the loop (first summator, 30 times a summator
  // and its two branches, the way back) and the output chain.
  EXPECT_EQ(b.graph.R, 1 + 1 + (1 + 3 * 30 + 1) + 1);
  EXPECT_EQ(b.graph.Length(1), 1 + 3 * 30 + 1);
}

}  // namespace
}  // namespace kortiv
