#include "calc/chain_steps.h"

#include <gtest/gtest.h>

#include "calc_fixture.h"

namespace kortiv {
namespace {

// A code in a group that has no element model.
constexpr int kModelessCode = 400;

class ChainStepsTest : public ::testing::Test, public test::CalcFixture {
 protected:
  // Puts `values` (one per point) under node k.
  void SetNode(int k, std::vector<double> values) {
    for (std::size_t j = 0; j < values.size(); ++j) run.ChainValue(k, j, 0) = values[j];
  }
};

TEST_F(ChainStepsTest, ForkPassesOnTheSeriesOfItsProducer) {
  const int source = Add(113);
  const int fork = Add(5);
  AddRow(1, source);
  AddRow(0, fork, {1});
  AddRow(2, source);  // a second node, so that node 1 is not the only one
  PrepareRun(RunKind::kTime, 2);
  SetNode(1, {1, 2, 3});
  SetNode(2, {7, 8, 9});
  Series output = NewSeries();
  Get_for_Forks(context, 1, 2, 5, output);
  EXPECT_EQ(output, (Series{1, 2, 3}));
}

TEST_F(ChainStepsTest, ForkThatNoChainReachesGivesZeros) {
  AddRow(0, Add(5), {0});
  PrepareRun(RunKind::kTime, 2);
  Series output{4, 4, 4};
  Get_for_Forks(context, 0, 2, 5, output);
  EXPECT_EQ(output, (Series{0, 0, 0}));
}

TEST_F(ChainStepsTest, WrongHeadsAreRefusedAndLeaveTheSeries) {
  AddRow(1, Add(113));
  AddRow(0, Add(9), {1, 1});
  AddRow(0, Add(9), {1});
  PrepareRun(RunKind::kTime, 1);
  Series output{5, 6};
  Get_for_Forks(context, 1, 1, 9, output);
  Get_for_Sums(context, 1, 1, 5, output, 0);
  Get_for_Sums(context, 2, 1, 9, output, 0);
  EXPECT_EQ(output, (Series{5, 6}));
  EXPECT_EQ(messenger.Texts(), (std::vector<std::string>{
                                   "Неправильный элемент для Get_for_Forks()! Расчет невозможен.",
                                   "Неправильный элемент для Get_for_Sums()! Расчет невозможен.",
                                   "Неверное число входов сумматора! Расчет невозможен."}));
}

TEST_F(ChainStepsTest, HeadsBelowTheSummatorsAreLeftToTheForkStep) {
  AddRow(0, Add(1));
  AddRow(0, Add(200));
  PrepareRun(RunKind::kTime, 1);
  Series output{5, 6};
  Get_for_Links(context, 0, 1, 1, output, 0);
  Get_for_Links(context, 1, 1, 200, output, 0);
  EXPECT_EQ(output, (Series{5, 6}));
  EXPECT_EQ(messenger.Texts(), (std::vector<std::string>{
                                   "Неправильный элемент для Get_for_Forks()! Расчет невозможен.",
                                   "Неправильный элемент для Get_for_Sums()! Расчет невозможен."}));
}

TEST_F(ChainStepsTest, SummatorAddsSignedCurrentInputs) {
  const int summator = Add(13);
  AddRow(1, Add(113));
  AddRow(2, Add(113));
  AddRow(0, summator, {1, -2});
  AddRow(0, summator, {1, -1});
  PrepareRun(RunKind::kTime, 2);
  SetNode(1, {1, 2, 3});
  SetNode(2, {10, 20, 40});
  Series output = NewSeries();
  Get_for_Sums(context, 2, 2, 13, output, 0);
  EXPECT_EQ(output, (Series{-9, -18, -37}));
  Get_for_Sums(context, 3, 2, 13, output, 0);
  EXPECT_EQ(output, (Series{0, 0, 0}));
}

TEST_F(ChainStepsTest, MergedSummatorAddsAllItsInputs) {
  AddRow(1, Add(113));
  AddRow(2, Add(113));
  AddRow(3, Add(113));
  AddRow(4, Add(113));
  AddRow(0, Add(12), {1, 2, -3, 4});
  PrepareRun(RunKind::kTime, 1);
  SetNode(1, {1, 2});
  SetNode(2, {10, 20});
  SetNode(3, {100, 200});
  SetNode(4, {1000, 2000});
  Series output = NewSeries();
  Get_for_Sums(context, 4, 1, 12, output, 0);
  EXPECT_EQ(output, (Series{911, 1822}));
  EXPECT_TRUE(messenger.entries.empty());
}

TEST_F(ChainStepsTest, InputFromALaterRowTakesThePreviousPoint) {
  AddRow(1, Add(113));
  AddRow(2, Add(9), {1, 3});
  AddRow(3, Add(113));
  PrepareRun(RunKind::kTime, 3);
  SetNode(1, {1, 1, 1, 1});
  SetNode(3, {10, 20, 30, 40});
  Series output = NewSeries();
  Get_for_Sums(context, 1, 3, 9, output, 0);
  EXPECT_EQ(output, (Series{1, 11, 21, 31}));
}

TEST_F(ChainStepsTest, InsideAContourOnlyInputsFromBeforeItAreCurrent) {
  // Row 2 reads row 0 (before the contour at row 1) and row 3, which lies in
  // the contour but after it; row 3 reads row 2, which comes before it.
  AddRow(1, Add(113));
  AddHeader(1, 2);
  AddRow(2, Add(9), {1, 4});
  AddRow(3, Add(10), {3, 3});
  PrepareRun(RunKind::kTime, 2);
  SetNode(1, {1, 2, 3});
  SetNode(2, {5, 6, 7});
  SetNode(3, {100, 200, 300});
  Series output = NewSeries();
  Get_for_Sums(context, 2, 2, 9, output, 1);
  EXPECT_EQ(output, (Series{1, 102, 203}));
  Get_for_Sums(context, 3, 2, 10, output, 1);
  EXPECT_EQ(output, (Series{10, 12, 14}));
}

TEST_F(ChainStepsTest, MultiplierDelaysOnlyItsLateInput) {
  const int multiplier = Add(18);
  AddRow(1, Add(113));
  AddRow(2, Add(113));
  AddRow(0, multiplier, {1, -2});
  AddRow(0, multiplier, {7, 2});
  AddRow(0, multiplier, {1, 7});
  AddRow(0, multiplier, {7, 7});
  AddRow(3, Add(113));
  PrepareRun(RunKind::kTime, 2);
  SetNode(1, {2, 3, 4});
  SetNode(2, {5, 6, 7});
  SetNode(3, {10, 100, 1000});
  Series output = NewSeries();
  Get_for_Sums(context, 2, 2, 18, output, 0);
  EXPECT_EQ(output, (Series{10, 18, 28})) << "signs are not used";
  Get_for_Sums(context, 3, 2, 18, output, 0);
  EXPECT_EQ(output, (Series{0, 60, 700}));  // (j - 1) of the first input
  Get_for_Sums(context, 4, 2, 18, output, 0);
  EXPECT_EQ(output, (Series{0, 30, 400}));  // (j - 1) of the second input
  Get_for_Sums(context, 5, 2, 18, output, 0);
  EXPECT_EQ(output, (Series{0, 100, 10000}));  // both previous values
}

TEST_F(ChainStepsTest, FrequencyRunSumsBothPartsAndRefusesMultipliers) {
  AddRow(1, Add(112));
  AddRow(0, Add(9), {1, 1});
  AddRow(0, Add(18), {1, 1});
  PrepareRun(RunKind::kFrequency, 1);
  run.ChainValue(1, 0, 0) = 1;
  run.ChainValue(1, 0, 1) = 2;
  run.ChainValue(1, 1, 0) = 3;
  run.ChainValue(1, 1, 1) = 4;
  Series output = NewSeries();
  Get_for_Sums(context, 1, 1, 9, output, 0);
  EXPECT_EQ(output, (Series{2, 4, 6, 8}));
  Get_for_Sums(context, 2, 1, 18, output, 0);
  EXPECT_EQ(output, (Series{0, 0, 0, 0}));
  EXPECT_EQ(messenger.Texts(),
            std::vector<std::string>{"ЧХ в цепях с перемножителями ещё не строим!"});
}

TEST_F(ChainStepsTest, ControlPointsGoToTheirColumns) {
  Add(113, {}, 1);
  const int second = Add(113, {}, 2);
  const int unmarked = Add(113);
  PrepareRun(RunKind::kTime, 2);
  StoreControlPoints(context, second, 1, Series{0.5, 1.5, 2.5});
  StoreControlPoints(context, unmarked, 2, Series{9, 9, 9});
  EXPECT_EQ(run.result_store, (std::vector<float>{0, 0, 0.5f, 0.1f, 0, 1.5f, 0.2f, 0, 0}));
}

TEST_F(ChainStepsTest, FrequencyControlPointsKeepRealAndImaginaryParts) {
  Add(113, {}, 1);
  const int second = Add(113, {}, 2);
  PrepareRun(RunKind::kFrequency, 1);
  StoreControlPoints(context, second, 1, Series{1, 2, 3, 4});
  EXPECT_EQ(run.result_store, (std::vector<float>{0, 0, 0, 1, 2, 0, 0, 0, 3, 4}));
}

TEST_F(ChainStepsTest, NodesAreStoredByTheirNumber) {
  AddRow(2, Add(113));
  AddRow(0, Add(113));
  AddRow(1, Add(113));
  PrepareRun(RunKind::kTime, 1);
  StoreNode(context, 0, 1, Series{3, 4});
  StoreNode(context, 1, 1, Series{8, 8});
  StoreNode(context, 2, 1, Series{1, 2});
  EXPECT_EQ(run.data_chains, (std::vector<double>{1, 3, 2, 4, 0}));
}

TEST_F(ChainStepsTest, ChainOfTheHeadAlonePassesItsInput) {
  AddRow(0, Add(113));
  PrepareRun(RunKind::kTime, 2);
  Series input{1, 2, 3};
  Series output = NewSeries();
  EvaluateChain(context, 0, 2, input, output);
  EXPECT_EQ(output, (Series{1, 2, 3}));
}

TEST_F(ChainStepsTest, ElementsWithoutAModelAreReportedAndPassTheSeriesOn) {
  const int wire = Add(1);
  const int modeless = Add(kModelessCode, {}, 1);
  AddRow(0, Add(113), {}, {wire, modeless});
  PrepareRun(RunKind::kTime, 2);
  Series input{1, 2, 3};
  Series output = NewSeries();
  EvaluateChain(context, 0, 2, input, output);
  EXPECT_EQ(output, (Series{1, 2, 3}));
  EXPECT_EQ(ControlPointValues(1), (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{"Ошибка:в графе схемы попались соединения!",
                                      "Ошибка расчета схемы!"}));
}

TEST_F(ChainStepsTest, ElementOfAnUnknownGroupIsReportedTwice) {
  AddRow(0, Add(113), {}, {Add(650)});
  PrepareRun(RunKind::kTime, 1);
  Series input{1, 2};
  Series output = NewSeries();
  EvaluateChain(context, 0, 1, input, output);
  EXPECT_EQ(output, (Series{1, 2}));
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{"Error: Неверное значение кода группы элементов!",
                                      "Ошибка расчета схемы!"}));
}

TEST_F(ChainStepsTest, ContourStepsStoreNoElementControlPoints) {
  const int modeless = Add(kModelessCode, {}, 1);
  AddRow(0, Add(113), {}, {modeless});
  PrepareRun(RunKind::kTime, 2);
  Series input{1, 2, 3};
  Series output = NewSeries();
  EvaluateChain(context, 0, 1, input, output);
  EXPECT_EQ(ControlPointValues(1), (std::vector<float>{0, 0, 0}));
}

TEST_F(ChainStepsTest, StopRequestEndsTheChainBeforeTheNextElement) {
  AddRow(0, Add(113), {}, {Add(kModelessCode)});
  PrepareRun(RunKind::kTime, 1);
  run.stop_requested = true;
  Series input{1, 2};
  Series output = NewSeries();
  EvaluateChain(context, 0, 1, input, output);
  EXPECT_TRUE(messenger.entries.empty());
  EXPECT_TRUE(run.stop_requested);
}

}  // namespace
}  // namespace kortiv
