#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "results/model_listing.h"
#include "results/results_listing.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

using Column = ListingLine::Column;

class ModelListingTest : public ::testing::Test {
 protected:
  test::RecordingMessenger messenger_;
  Scheme scheme_{messenger_};
};

TEST_F(ModelListingTest, ListsTheIntervalAndEveryElementButTheLinkElements) {
  scheme_.SetParam(0, 0);
  scheme_.SetParam(1, 0.01f);
  scheme_.SetParam(2, 12.5f);
  test::AddWithValues(scheme_, 101, {1, 0.5f}, {1, 1});
  scheme_.AppendElement(1, 0, {1, 2});    // a wire
  scheme_.AppendElement(9, 0, {1, 3});    // a summator
  scheme_.AppendElement(204, 0, {1, 4});  // parameters never given
  test::AddWithValues(scheme_, 204, {2, 1e-7f, -3}, {2, 4});
  scheme_.AppendElement(500, 0, {2, 5});  // a function without parameters
  const auto lines = ModelListing(scheme_);
  const std::vector<std::pair<Column, std::string>> expected{
      {Column::kHeading, "Параметры модели:"},
      {Column::kFirst, "Интервал интегрирования от 0 до 12.5 с шагом 0.01."},
      {Column::kFirst, ElementName(101) + " (1;1):"},
      {Column::kSecond, "высота ступеньки A=1; задержка Т=0.5 с."},
      {Column::kFirst, ElementName(204) + " (1;4):"},
      {Column::kSecond, "параметры не заданы."},
      {Column::kFirst, ElementName(204) + " (2;4):"},
      {Column::kSecond, "коэффициент передачи k=2; постоянная времени T=1E-007 с;"},
      {Column::kSecond, "начальное значение y(0)=-3."},
      {Column::kFirst, ElementName(500) + " (2;5):"},
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].column, expected[i].first) << i;
    EXPECT_EQ(lines[i].text, expected[i].second) << i;
  }
}

TEST_F(ModelListingTest, DecimalSeparatorIsTheSystemOne) {
  test::AddWithValues(scheme_, 200, {2.5f}, {1, 1});
  EXPECT_EQ(ParameterText(scheme_, 1, ','),
            std::vector<std::string>{"коэффициент передачи k=2,5."});
}

TEST_F(ModelListingTest, GeneralLinearOfOrderSevenPutsSixCoefficientsToALine) {
  // m = 7, n = 2: b0..b7, a0..a2, two initial values.
  test::AddWithValues(scheme_, 212, {7.1f, 2.1f, 0, 1, 2, 3, 4, 5, 6, 7, 1, 0.5f, 0.25f, 0, -1},
                      {1, 1});
  EXPECT_EQ(ParameterText(scheme_, 1), (std::vector<std::string>{
                                           "порядок числителя m=7, порядок знаменателя n=2;",
                                           "коэффициенты числителя:",
                                           "b0=0,  b1=1,  b2=2,  b3=3,  b4=4,  b5=5,  ",
                                           "b6=6,  b7=7;",
                                           "коэффициенты знаменателя:",
                                           "a0=1,  a1=0.5,  a2=0.25;",
                                           "начальные условия:",
                                           "y(0)(0)=0,  y(1)(0)=-1.",
                                       }));
}

TEST_F(ModelListingTest, GeneralLinearOfLowOrders) {
  test::AddWithValues(scheme_, 212, {0.1f, 0.1f, 3, 4}, {1, 1});
  EXPECT_EQ(ParameterText(scheme_, 1),
            (std::vector<std::string>{"порядок числителя m=0, порядок знаменателя n=0;",
                                      "коэффициенты числителя:", "b0=3;",
                                      "коэффициенты знаменателя:", "a0=4."}));
  test::AddWithValues(scheme_, 212, {0.1f, 1.1f, 3, 4, 5, 0.5f}, {1, 2});
  const auto text = ParameterText(scheme_, 2);
  EXPECT_EQ(std::vector<std::string>(text.begin() + 4, text.end()),
            (std::vector<std::string>{"a0=4,  a1=5;", "начальные условия:", "y(0)=0.5."}));
}

TEST_F(ModelListingTest, SweepGeneratorNamesItsKindAndScale) {
  test::AddWithValues(scheme_, 112, {-1.1f, 2.1f, 2.1f, 1.1f, 50.1f}, {1, 1});
  EXPECT_EQ(ParameterText(scheme_, 1),
            (std::vector<std::string>{
                "минимальная частота (10^m,1/c) m=-1, максимальная частота (10^n,1/c) n=2,",
                "50 точек отсчёта на декаду, АЧХ+ФЧХ, масштаб полулогарифмический."}));
  test::AddWithValues(scheme_, 112, {0.1f, 1.1f, 7.1f, 9.1f, 10.1f}, {1, 2});
  EXPECT_EQ(ParameterText(scheme_, 2)[1], "10 точек отсчёта на декаду, масштаб ");
}

void MakeRun(RunState& run, RunKind kind, int last_point, int control_points) {
  run.kind = kind;
  run.last_point = last_point;
  run.control_points = control_points;
  run.result_store.assign(static_cast<std::size_t>(run.RowWidth()) * (last_point + 1), 0);
  for (int j = 0; j <= last_point; ++j) {
    run.ResultAt(j, 0) = j * 0.5f;
    for (int e = 1; e < run.RowWidth(); ++e) run.ResultAt(j, e) = (e % 2 ? 1 : -1) * (j + e);
  }
}

TEST(ResultsListing, EightControlPointsOfATimeRunMakeTwoBlocks) {
  const auto blocks = ListingBlocks(ResultsKind::kTimeRun, 8);
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].first, 1);
  EXPECT_EQ(blocks[0].last, 6);
  EXPECT_EQ(blocks[1].first, 7);
  EXPECT_EQ(blocks[1].last, 8);
  const ListingRow heading = ListingHeading(ResultsKind::kTimeRun, {}, blocks[1]);
  EXPECT_EQ(heading.point, "    i");
  EXPECT_EQ(heading.argument, "     t");
  EXPECT_EQ(heading.values, (std::vector<std::string>{"    vp=7", "    vp=8"}));

  RunState run;
  MakeRun(run, RunKind::kTime, 3, 8);
  const ListingRow row = ListingPointRow(run, blocks[1], 2);
  EXPECT_EQ(row.point, "      2   1.0000E+00");
  EXPECT_EQ(row.values, (std::vector<std::string>{" 9.0000E+00", "-1.0000E+01"}));
}

TEST(ResultsListing, FourControlPointsOfAFrequencyRunMakeBlocksOfThreeAndOne) {
  const auto blocks = ListingBlocks(ResultsKind::kFrequencyLgDb, 4);
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].last, 3);
  EXPECT_EQ(blocks[1].first, 4);
  EXPECT_EQ(blocks[1].last, 4);
  const ListingRow heading = ListingHeading(ResultsKind::kFrequencyLgDb, {true, true}, blocks[1]);
  EXPECT_EQ(heading.argument, "   lg f");
  EXPECT_EQ(heading.values, (std::vector<std::string>{"   L4(lg f), дБ", "   fi4(lg f), гр"}));
  EXPECT_EQ(ListingHeading(ResultsKind::kFrequencyLinear, {}, blocks[0]).values.size(), 6u);

  RunState run;
  MakeRun(run, RunKind::kFrequency, 1, 4);
  // Control point 4 holds entries 7 and 8 of a row.
  EXPECT_EQ(ListingPointRow(run, blocks[1], 1, ',').values,
            (std::vector<std::string>{" 8,0000E+00", "-9,0000E+00"}));
  EXPECT_EQ(ListingPointRow(run, blocks[0], 1).values.size(), 6u);
}

TEST(ResultsListing, PhasePortraitPairsOddAndEvenPoints) {
  const auto blocks = ListingBlocks(ResultsKind::kPhasePortrait, 8);
  EXPECT_EQ(ListingHeading(ResultsKind::kPhasePortrait, {}, blocks[1]).values,
            (std::vector<std::string>{"   x(vp=7)", "   y(vp=8)"}));
}

TEST(ResultsListing, PointNumbersStandBehindSixFourTwoOrNoSpaces) {
  RunState run;
  MakeRun(run, RunKind::kTime, 1000, 1);
  const ListingBlock block{1, 1};
  EXPECT_TRUE(ListingPointRow(run, block, 9).point.starts_with("      9   "));
  EXPECT_TRUE(ListingPointRow(run, block, 10).point.starts_with("    10   "));
  EXPECT_TRUE(ListingPointRow(run, block, 100).point.starts_with("  100   "));
  EXPECT_TRUE(ListingPointRow(run, block, 1000).point.starts_with("1000   "));
}

}  // namespace
}  // namespace kortiv
