#include "params/parameter_entry.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/scheme.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

using C = ControlId;
using Texts = std::vector<std::string>;
constexpr auto kNumerator = CoefficientGrid::kNumeratorRow;
constexpr auto kDenominator = CoefficientGrid::kDenominatorRow;
constexpr auto kInitial = CoefficientGrid::kInitialRow;

class ParameterEntryTest : public ::testing::Test {
 protected:
  ParameterEntry Open(int element) {
    auto entry = ParameterEntry::Open(context, element);
    EXPECT_TRUE(entry.has_value());
    return std::move(*entry);
  }
  int Place(int code) { return scheme.AppendElement(code, 0, {0, scheme.ElementCount()}); }
  std::vector<float> Block(int n) {
    std::vector<float> values;
    for (int i = 0; i < scheme.GetParamCount(n); ++i) values.push_back(scheme.ElementParam(n, i));
    return values;
  }
  // Opens element n, types `texts` into txtPar1.. and accepts.
  AcceptOutcome Enter(int n, const std::vector<std::string>& texts) {
    ParameterEntry entry = Open(n);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      entry.SetText(static_cast<C>(i), texts[i]);
    }
    return entry.Accept();
  }

  test::RecordingMessenger messages;
  Scheme scheme{messages};
  WorkingTimes times;
  TimeScaleStats stats;
  ParameterContext context{scheme, times, stats, messages};
};

TEST_F(ParameterEntryTest, NewAperiodicElementShowsDefaultsAndGetsABlockAtTheTop) {
  Place(200);
  Place(201);
  ASSERT_TRUE(Enter(1, {"2"}).close);
  const int aperiodic = Place(204);
  const int top = scheme.ParamTop();
  ParameterEntry entry = Open(aperiodic);
  EXPECT_EQ(entry.name(), "Апериодическое (инерционное) звено 1-го порядка");
  EXPECT_EQ(entry.fields().texts[0], "1");
  EXPECT_EQ(entry.fields().texts[1], "1");
  EXPECT_EQ(entry.fields().texts[2], "0");
  entry.SetText(C::kTxtPar2, "0,25");
  const AcceptOutcome outcome = entry.Accept();
  EXPECT_TRUE(outcome.close);
  EXPECT_TRUE(outcome.model_changed);
  EXPECT_TRUE(outcome.block_allocated);
  EXPECT_EQ(scheme.GetParamAddress(aperiodic), top);
  EXPECT_EQ(scheme.ParamTop(), top + 3);
  EXPECT_EQ(Block(aperiodic), (std::vector<float>{1, 0.25f, 0}));
  EXPECT_TRUE(scheme.ParamsMissing(2));  // the integrator was never entered
  EXPECT_EQ(scheme.ParamBlockCount(), 2);
  // Opened again, it shows its stored values and keeps its block.
  ParameterEntry again = Open(aperiodic);
  EXPECT_EQ(again.fields().texts[1], "0.25");
  EXPECT_FALSE(again.Accept().block_allocated);
  EXPECT_EQ(scheme.ParamTop(), top + 3);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ParameterEntryTest, CommaAndPointStoreTheSameValue) {
  const int a = Place(200);
  const int b = Place(200);
  Enter(a, {"1,5"});
  Enter(b, {"1.5"});
  EXPECT_EQ(Block(a), (std::vector<float>{1.5f}));
  EXPECT_EQ(Block(a), Block(b));
}

TEST_F(ParameterEntryTest, AFieldThatIsNotANumberStoresNothing) {
  const int n = Place(204);
  Enter(n, {"3", "2", "1"});
  messages.Clear();
  const AcceptOutcome outcome = Enter(n, {"5", "4", "x"});
  EXPECT_FALSE(outcome.close);
  EXPECT_FALSE(outcome.model_changed);
  EXPECT_EQ(Block(n), (std::vector<float>{3, 2, 1}));
  ASSERT_EQ(messages.entries.size(), 1u);
  EXPECT_EQ(messages.entries[0].text, "Вы ввели ошибочное число!");
  EXPECT_EQ(messages.entries[0].caption, "Повторите ввод");

  // A new element stays without a block.
  const int fresh = Place(204);
  EXPECT_FALSE(Enter(fresh, {"x"}).close);
  EXPECT_EQ(scheme.GetParamAddress(fresh), 0);
}

TEST_F(ParameterEntryTest, ABadNumberCountsAsZeroForTheChecks) {
  const int n = Place(204);
  EXPECT_FALSE(Enter(n, {"1", "abc", "0"}).close);
  EXPECT_EQ(messages.Texts(),
            (Texts{"Вы ввели ошибочное число!", "Постоянная времени должна быть положительна!"}));
  EXPECT_EQ(scheme.GetParamAddress(n), 0);
}

TEST_F(ParameterEntryTest, ARefusalRemembersTheFieldToCorrect) {
  const int n = Place(204);
  ParameterEntry entry = Open(n);
  entry.SetText(C::kTxtPar2, "0");
  entry.SetText(C::kTxtPar3, "y");
  EXPECT_FALSE(entry.Accept().close);
  // The text that is not a number comes before the zero time constant.
  EXPECT_EQ(entry.Refused(), RefusedField{.control = C::kTxtPar3});
  entry.SetText(C::kTxtPar3, "0");
  EXPECT_FALSE(entry.Accept().close);
  EXPECT_EQ(entry.Refused(), RefusedField{.control = C::kTxtPar2});
  entry.SetText(C::kTxtPar2, "2");
  EXPECT_TRUE(entry.Accept().close);
  EXPECT_FALSE(entry.Refused().has_value());

  ParameterEntry general = Open(Place(kGeneralLinearCode));
  general.SetGridCell(kInitial, general.fields().grid.ColumnOfIndex(1), "?");
  EXPECT_FALSE(general.Accept().close);
  EXPECT_EQ(general.Refused(),
            (RefusedField{.control = C::kStringGridPar, .grid_row = kInitial, .grid_index = 1}));
  general.SetInteger(C::kCseN, 4);
  EXPECT_FALSE(general.Accept().close);  // the orders wait for the button
  EXPECT_FALSE(general.Refused().has_value());
}

TEST_F(ParameterEntryTest, BadNumbersAreReportedWhereTheChecksAndTheStoringReadThem) {
  const std::string bad = "Вы ввели ошибочное число!";
  // The checks of the integrator never read y(0), and their error stops the storing.
  EXPECT_FALSE(Enter(Place(201), {"0", "x"}).close);
  EXPECT_EQ(messages.Texts(), (Texts{"Постоянная интегрирования должна быть положительна!",
                                     "Постоянная интегрирования меньше шага интегрирования! "
                                     "Расчёт может быть некорректен"}));
  messages.Clear();
  // The bounds a1, a2 are read after the limits and the gain.
  EXPECT_FALSE(Enter(Place(302), {"1", "x", "0.1", "0.5", "1"}).close);
  EXPECT_EQ(messages.Texts(), (Texts{"Верхний предел A должен быть выше нижнего B!", bad}));
  messages.Clear();
  // A refused pair of bounds stops before the values are read.
  EXPECT_FALSE(Enter(Place(307), {"x", "1", "0.2", "0.2", "0"}).close);
  EXPECT_EQ(messages.Texts(), Texts{"Левая граница а1 должна быть левее правой a2!"});
  messages.Clear();
  // A zero delay passes the checks; the storing meets the bad text again.
  const int step = Place(101);
  EXPECT_FALSE(Enter(step, {"1", "x"}).close);
  EXPECT_EQ(messages.Texts(), (Texts{bad, bad}));
  EXPECT_EQ(scheme.GetParamAddress(step), 0);
  messages.Clear();
  // The slope angle reads its field, which the checks of the ramp do not.
  ParameterEntry ramp = Open(Place(102));
  ramp.SetText(C::kTxtPar1, "k");
  ramp.Apply();
  EXPECT_EQ(messages.Texts(), Texts{bad});
  EXPECT_EQ(ramp.fields().texts[4], "0");
}

TEST_F(ParameterEntryTest, RefusedValuesKeepTheTypedTextsAndStoreNothing) {
  const int n = Place(211);
  ParameterEntry entry = Open(n);
  entry.SetText(C::kTxtPar3, "1.0001");
  EXPECT_FALSE(entry.Accept().close);
  EXPECT_EQ(entry.fields().texts[2], "1.0001");
  EXPECT_EQ(scheme.GetParamAddress(n), 0);
  entry.SetText(C::kTxtPar3, "-1");
  entry.SetText(C::kTxtAux1, "0.5");
  EXPECT_TRUE(entry.Accept().close);
  EXPECT_EQ(Block(n), (std::vector<float>{1, 1, -1, 0, 0.5f}));
}

TEST_F(ParameterEntryTest, IntegrationParametersReplaceTheWorkingTimes) {
  ParameterEntry entry = Open(0);
  EXPECT_EQ(entry.name(), "Параметры интегрирования");
  EXPECT_EQ(entry.fields().texts[1], "0.01");
  EXPECT_EQ(entry.fields().texts[4], "501");  // ceil(5 / 0.01f)
  EXPECT_FALSE(entry.ApplyEnabled());
  entry.SetText(C::kTxtPar3, "2");
  EXPECT_TRUE(entry.ApplyEnabled());
  entry.Apply();
  EXPECT_EQ(entry.fields().texts[4], "201");
  EXPECT_FALSE(entry.ApplyEnabled());
  entry.SetText(C::kTxtPar1, "1");
  entry.SetText(C::kTxtPar2, "0,5");
  const AcceptOutcome outcome = entry.Accept();
  EXPECT_TRUE(outcome.close);
  EXPECT_FALSE(outcome.block_allocated);
  EXPECT_EQ(scheme.T0(), 1.0f);
  EXPECT_EQ(scheme.H(), 0.5f);
  EXPECT_EQ(scheme.Tk(), 2.0f);
  EXPECT_EQ(times.t0, 1.0f);
  EXPECT_EQ(times.h, 0.5f);
  EXPECT_EQ(times.tk, 2.0f);
  EXPECT_EQ(scheme.ParamTop(), 3);
}

TEST_F(ParameterEntryTest, RefusedIntegrationParametersLeaveTheWorkingTimes) {
  ParameterEntry entry = Open(0);
  entry.SetText(C::kTxtPar3, "0.005");
  entry.Apply();
  EXPECT_EQ(messages.Texts(), Texts{"Шаг интегрирования велик!"});
  EXPECT_TRUE(entry.ApplyEnabled());
  EXPECT_EQ(entry.fields().texts[4], "501");
  EXPECT_FALSE(entry.Accept().close);
  EXPECT_EQ(scheme.Tk(), 5.0f);
  EXPECT_EQ(times.tk, 5.0f);
}

TEST_F(ParameterEntryTest, DerivedQuantitiesFollowTheirField) {
  ParameterEntry sine = Open(Place(100));
  EXPECT_EQ(sine.fields().texts[4], "0.7853982");  // 2 pi / 8
  sine.SetText(C::kTxtPar1, "3");
  EXPECT_FALSE(sine.ApplyEnabled());
  sine.SetText(C::kTxtPar2, "1");
  sine.Apply();
  EXPECT_EQ(sine.fields().texts[4], "6.283185");

  ParameterEntry ramp = Open(Place(102));
  ramp.SetText(C::kTxtPar1, "1,0");
  ramp.Apply();
  EXPECT_EQ(ramp.fields().texts[4], "45");

  ParameterEntry triangles = Open(Place(111));
  EXPECT_EQ(triangles.fields().texts[4], "0.5");
  triangles.SetText(C::kTxtPar3, "8");
  triangles.Apply();
  EXPECT_EQ(triangles.fields().texts[4], "0.125");

  // A refused period keeps the old frequency.
  ParameterEntry meander = Open(Place(106));
  meander.SetText(C::kTxtPar2, "0");
  meander.Apply();
  EXPECT_EQ(meander.fields().texts[4], "1");
  EXPECT_EQ(messages.Texts(), Texts{"Период должен быть положительным!"});
}

TEST_F(ParameterEntryTest, SweepGeneratorStoresIntegersAwayFromZero) {
  const int n = Place(kSweepGeneratorCode);
  ParameterEntry entry = Open(n);
  EXPECT_EQ(entry.fields().n, 4);
  EXPECT_EQ(entry.fields().p, 90);
  EXPECT_EQ(entry.fields().scale, 1);
  entry.SetInteger(C::kCseM, -2);
  entry.SetInteger(C::kRgView, 3);
  entry.SetInteger(C::kCseP, 1);  // below its limit
  EXPECT_EQ(entry.fields().p, 2);
  EXPECT_FALSE(entry.ApplyEnabled());
  ASSERT_TRUE(entry.Accept().close);
  EXPECT_EQ(Block(n), (std::vector<float>{-2.1f, 4.1f, 3.1f, 1.1f, 2.1f}));
  ParameterEntry again = Open(n);
  EXPECT_EQ(again.fields().m, -2);
  EXPECT_EQ(again.fields().view, 3);
}

TEST_F(ParameterEntryTest, PulsePacketCountStaysWithinItsLimits) {
  const int n = Place(107);
  ParameterEntry entry = Open(n);
  EXPECT_EQ(entry.fields().n, 4);
  entry.SetInteger(C::kCseN, 0);
  EXPECT_EQ(entry.fields().n, 1);
  entry.SetInteger(C::kCseN, 100001);
  EXPECT_EQ(entry.fields().n, 100000);
  entry.SetInteger(C::kCseN, 7);
  ASSERT_TRUE(entry.Accept().close);
  EXPECT_EQ(Block(n), (std::vector<float>{1, 7.1f, 0, 1, 0.5f}));
}

TEST_F(ParameterEntryTest, GeneralElementNeedsItsOrdersApplied) {
  const int n = Place(kGeneralLinearCode);
  ParameterEntry entry = Open(n);
  EXPECT_EQ(entry.fields().grid.ColumnCount(), 5);
  entry.SetGridCell(kNumerator, entry.fields().grid.ColumnOfIndex(0), "7");
  entry.SetInteger(C::kCseN, 5);
  EXPECT_TRUE(entry.OrdersPending());
  EXPECT_TRUE(entry.ApplyEnabled());
  const AcceptOutcome refused = entry.Accept();
  EXPECT_FALSE(refused.close);
  EXPECT_EQ(messages.Texts(),
            Texts{"Величины n и/или m были изменены, но не активизированы! Сохранение прервано. "
                  "Для активизации используйте кнопку 'Применить n и m'."});
  EXPECT_EQ(scheme.GetParamAddress(n), 0);
  entry.Apply();
  EXPECT_FALSE(entry.OrdersPending());
  const CoefficientGrid& grid = entry.fields().grid;
  ASSERT_EQ(grid.ColumnCount(), 7);
  EXPECT_EQ(grid.At(kNumerator, 0), "1");  // the typed 7 is back at its default
  EXPECT_EQ(grid.At(kNumerator, 1), "нет");
  ASSERT_TRUE(entry.Accept().close);
  EXPECT_EQ(scheme.GetParamCount(n), 0 + 2 * 5 + 4);
  EXPECT_EQ(scheme.ParamTop(), 3 + 14);
}

TEST_F(ParameterEntryTest, GrowingTheGeneralElementMovesTheLaterBlocks) {
  const int gain = Place(200);
  const int general = Place(kGeneralLinearCode);
  const int lag = Place(204);
  Enter(general, {});
  Enter(lag, {"3", "2", "1"});
  Enter(gain, {"9"});
  const int lag_address = scheme.GetParamAddress(lag);
  const int gain_address = scheme.GetParamAddress(gain);
  ASSERT_EQ(scheme.GetParamAddress(general), 3);
  ASSERT_EQ(lag_address, 3 + 10);

  ParameterEntry entry = Open(general);
  entry.SetInteger(C::kCseM, 1);
  entry.SetInteger(C::kCseN, 4);
  entry.Apply();
  entry.SetGridCell(kNumerator, entry.fields().grid.ColumnOfIndex(1), "2");
  entry.SetGridCell(kDenominator, entry.fields().grid.ColumnOfIndex(0), "0,5");
  entry.SetGridCell(kInitial, entry.fields().grid.ColumnOfIndex(3), "-1");
  ASSERT_TRUE(entry.Accept().close);
  EXPECT_EQ(scheme.GetParamCount(general), 1 + 8 + 4);
  EXPECT_EQ(scheme.GetParamAddress(lag), lag_address + 3);
  EXPECT_EQ(scheme.GetParamAddress(gain), gain_address + 3);
  EXPECT_EQ(Block(lag), (std::vector<float>{3, 2, 1}));
  EXPECT_EQ(Block(gain), (std::vector<float>{9}));
  EXPECT_EQ(Block(general), (std::vector<float>{1.1f, 4.1f, 1, 2, 0.5f, 1, 1, 1, 1, 0, 0, 0, -1}));

  // Opening again writes the stored values over the rebuilt grid.
  ParameterEntry again = Open(general);
  const CoefficientGrid& grid = again.fields().grid;
  EXPECT_EQ(grid.ColumnCount(), 6);
  EXPECT_EQ(grid.At(kNumerator, 1), "2");
  EXPECT_EQ(grid.At(kDenominator, 0), "0.5");
  EXPECT_EQ(grid.At(kInitial, 3), "-1");
  EXPECT_EQ(grid.At(kInitial, 4), "нет");
}

TEST_F(ParameterEntryTest, GeneralElementRefusesAZeroLeadingCoefficient) {
  const int n = Place(kGeneralLinearCode);
  ParameterEntry entry = Open(n);
  entry.SetGridCell(kDenominator, entry.fields().grid.ColumnOfIndex(3), "0");
  EXPECT_FALSE(entry.Accept().close);
  EXPECT_EQ(messages.Texts(), Texts{"Старший коэффициент знаменателя не должен быть нулевым!"});
  EXPECT_EQ(scheme.GetParamAddress(n), 0);
}

TEST_F(ParameterEntryTest, KindsWithoutParametersHaveNoDialog) {
  const int n = Place(113);
  EXPECT_FALSE(ParameterEntry::Open(context, n).has_value());
  EXPECT_EQ(messages.Texts(), Texts{"Ошибка вызова окна для задания параметров!"});
}

TEST_F(ParameterEntryTest, FieldsShowTheSystemSeparator) {
  context.decimal_separator = ',';
  ParameterEntry entry = Open(0);
  EXPECT_EQ(entry.fields().texts[1], "0,01");
}

}  // namespace
}  // namespace kortiv
