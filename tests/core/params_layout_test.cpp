#include <gtest/gtest.h>

#include <set>

#include "model/catalogue.h"
#include "params/coefficient_grid.h"
#include "params/parameter_layout.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

std::set<int> ValueIndices(const ParameterLayout& layout) {
  std::set<int> values;
  for (const LayoutControl& ctl : layout.controls) {
    if (ctl.value >= 0) values.insert(ctl.value);
  }
  return values;
}

TEST(ParameterLayouts, CoverEveryKindWithParametersAndNothingElse) {
  test::RecordingMessenger messages;
  for (const CatalogueEntry& entry : Catalogue()) {
    if (entry.code == 0) continue;
    const auto layout = FindParameterLayout(entry.code, false, messages);
    EXPECT_EQ(layout.has_value(), entry.param_count > 0) << entry.code;
  }
  // Each code without parameters was reported once.
  int without = 0;
  for (const CatalogueEntry& entry : Catalogue())
    without += entry.code != 0 && entry.param_count == 0;
  ASSERT_EQ(static_cast<int>(messages.entries.size()), without);
  EXPECT_EQ(messages.entries[0].text, "Ошибка вызова окна для задания параметров!");
  EXPECT_TRUE(FindParameterLayout(0, false, messages).has_value());
}

TEST(ParameterLayouts, ShowOneControlForEachBlockValueWithItsDefault) {
  test::RecordingMessenger messages;
  for (const ParameterLayout& layout : ParameterLayouts()) {
    for (int code : layout.codes) {
      if (code == 0 || code == kGeneralLinearCode) continue;
      const int count = CatalogueParamCount(code, messages);
      std::set<int> expected;
      for (int i = 0; i < count; ++i) expected.insert(i);
      EXPECT_EQ(ValueIndices(layout), expected) << code;
      EXPECT_EQ(static_cast<int>(layout.defaults.size()), count) << code;
    }
    EXPECT_TRUE(IsRepositionIndex(layout.reposition));
    for (ControlId trigger : layout.apply_triggers) EXPECT_TRUE(layout.Shows(trigger));
    EXPECT_EQ(layout.apply_caption.empty(), layout.apply == ApplyAction::kNone);
  }
}

TEST(ParameterLayouts, DescribeTheAperiodicElement) {
  test::RecordingMessenger messages;
  const auto layout = FindParameterLayout(204, false, messages);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->form_caption, "Задание параметров элемента");
  EXPECT_EQ(layout->form_width, 400);
  EXPECT_EQ(layout->form_height, 250);
  ASSERT_EQ(layout->controls.size(), 3u);
  EXPECT_EQ(layout->controls[1].control, ControlId::kTxtPar2);
  EXPECT_EQ(layout->controls[1].label, LabelId::kLblPar2);
  EXPECT_EQ(layout->controls[1].caption, "Постоянная времени, T :");
  EXPECT_EQ(layout->defaults, (std::vector<double>{1, 1, 0}));
  EXPECT_EQ(layout->reposition, 3);
  EXPECT_FALSE(layout->Shows(ControlId::kTxtAux1));
  EXPECT_EQ(layout->apply, ApplyAction::kNone);
}

TEST(ParameterLayouts, EnableApplyOnlyFromTheFieldsOfTheDerivedQuantity) {
  test::RecordingMessenger messages;
  const auto integration = FindParameterLayout(0, false, messages);
  EXPECT_EQ(integration->form_caption, "Задание параметров");
  EXPECT_EQ(integration->form_width, 250);
  EXPECT_EQ(integration->apply_caption, "Пересчитать N");
  EXPECT_TRUE(integration->TriggersApply(ControlId::kTxtPar1));
  EXPECT_TRUE(integration->TriggersApply(ControlId::kTxtPar3));
  EXPECT_EQ(integration->Find(ControlId::kTxtAux1)->value, -1);

  const auto slope = FindParameterLayout(102, false, messages);
  EXPECT_EQ(slope->apply_caption, "Пересчитать a");
  EXPECT_TRUE(slope->TriggersApply(ControlId::kTxtPar1));
  EXPECT_FALSE(slope->TriggersApply(ControlId::kTxtPar2));

  const auto sequence = FindParameterLayout(110, false, messages);
  EXPECT_EQ(sequence->apply_caption, "Пересчитать f");
  EXPECT_EQ(sequence->derived_source, ControlId::kTxtPar3);
  EXPECT_FALSE(sequence->TriggersApply(ControlId::kTxtPar2));
  EXPECT_EQ(FindParameterLayout(100, false, messages)->apply_caption, "Пересчитать T");
  EXPECT_TRUE(messages.entries.empty());
}

TEST(ParameterLayouts, PulsePacketCountIsALimitedSpinEdit) {
  test::RecordingMessenger messages;
  const auto layout = FindParameterLayout(107, false, messages);
  const LayoutControl* count = layout->Find(ControlId::kCseN);
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->value, 1);
  EXPECT_TRUE(count->integer);
  EXPECT_EQ(count->label, LabelId::kLblPar2);
  EXPECT_EQ(count->limits->min, 1);
  EXPECT_EQ(count->limits->max, 100000);
  EXPECT_EQ(layout->Find(ControlId::kTxtAux1)->value, 4);
  EXPECT_FALSE(layout->Shows(ControlId::kTxtPar2));
}

TEST(ParameterLayouts, SweepGeneratorFollowsTheFrequencyUnit) {
  test::RecordingMessenger messages;
  const auto radians = FindParameterLayout(kSweepGeneratorCode, false, messages);
  const auto hertz = FindParameterLayout(kSweepGeneratorCode, true, messages);
  EXPECT_EQ(radians->Find(ControlId::kCseM)->caption, "Минимальная частота: 10^m 1/c, m=");
  EXPECT_EQ(radians->Find(ControlId::kCseN)->caption, "Максимальная частота: 10^n 1/c, n=");
  EXPECT_EQ(hertz->Find(ControlId::kCseM)->caption, "Минимальная частота: 10^m Гц, m=");
  EXPECT_EQ(hertz->Find(ControlId::kCseN)->caption, "Максимальная частота: 10^n Гц, n=");
  EXPECT_EQ(radians->Find(ControlId::kRgScale)->items[1], "полулогарифмический A, fi(lg w)");
  EXPECT_EQ(hertz->Find(ControlId::kRgScale)->items[2], "логарифмический L, fi(lg f)");
  EXPECT_EQ(hertz->Find(ControlId::kRgView)->items[3], "годограф V(U)");
  EXPECT_FALSE(radians->Find(ControlId::kCseM)->limits.has_value());
  EXPECT_EQ(radians->Find(ControlId::kCseP)->limits->min, 2);
  EXPECT_EQ(radians->Find(ControlId::kCseP)->value, 4);
  EXPECT_EQ(radians->form_height, 255);
  EXPECT_FALSE(radians->hints);
}

TEST(ParameterLayouts, GeneralElementRebuildsItsGridFromTheOrders) {
  test::RecordingMessenger messages;
  const auto layout = FindParameterLayout(kGeneralLinearCode, false, messages);
  EXPECT_EQ(layout->apply, ApplyAction::kRebuildGrid);
  EXPECT_EQ(layout->apply_caption, "Применить n и m");
  EXPECT_EQ(layout->reposition, -1);
  EXPECT_EQ(layout->form_height, 275);
  EXPECT_TRUE(layout->hints);
  EXPECT_EQ(layout->Find(ControlId::kCseN)->hint,
            "Для активации нового значения n используйте кнопку 'Применить n и m'.");
  EXPECT_EQ(layout->Find(ControlId::kCseM)->hint,
            "Для активации нового значения m используйте кнопку 'Применить n и m'.");
  EXPECT_TRUE(layout->TriggersApply(ControlId::kCseM));
}

TEST(CoefficientGrid, MarksIndicesBeyondTheOrders) {
  CoefficientGrid grid;
  grid.Rebuild(0, 5);
  ASSERT_EQ(grid.ColumnCount(), 7);
  EXPECT_EQ(grid.Cell(3, 0), "Нач.усл. y(i)(0)");
  EXPECT_EQ(grid.Cell(0, 1), "5");
  EXPECT_EQ(grid.Cell(0, 6), "0");
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(grid.At(CoefficientGrid::kNumeratorRow, i), "нет");
  EXPECT_EQ(grid.At(CoefficientGrid::kNumeratorRow, 0), "1");
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(grid.At(CoefficientGrid::kDenominatorRow, i), "1");
  EXPECT_EQ(grid.At(CoefficientGrid::kInitialRow, 4), "0");
  EXPECT_EQ(grid.At(CoefficientGrid::kInitialRow, 5), "нет");
  EXPECT_EQ(grid.Height(), 112);
  grid.Rebuild(3, 2);
  EXPECT_EQ(grid.ColumnCount(), 5);
  EXPECT_EQ(grid.At(CoefficientGrid::kDenominatorRow, 3), "нет");
  EXPECT_EQ(grid.At(CoefficientGrid::kNumeratorRow, 3), "1");
  EXPECT_EQ(grid.Height(), 94);
}

}  // namespace
}  // namespace kortiv
