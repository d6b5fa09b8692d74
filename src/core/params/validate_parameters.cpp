#include "params/validate_parameters.h"

#include <algorithm>
#include <numbers>
#include <string_view>
#include <vector>

#include "params/parse_number.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

using C = ControlId;

constexpr std::string_view kHalfPeriodWarning =
    "Расчёт будет некорректен, так как шаг интегрирования больше полупериода!";
constexpr std::string_view kDelayBeyondInterval = "Задержка превышает интервал интегрирования!";
constexpr std::string_view kNegativeDelay = "Задержка не может быть отрицательной!";
constexpr std::string_view kPulseNotPositive = "Длительность импульса должна быть положительной!";
constexpr std::string_view kPeriodNotPositive = "Период должен быть положительным!";
constexpr std::string_view kIntegrationConstant =
    "Постоянная интегрирования должна быть положительна!";
constexpr std::string_view kIntegrationConstantSmall =
    "Постоянная интегрирования меньше шага интегрирования! Расчёт может быть некорректен";
constexpr std::string_view kDerivativeConstant =
    "Постоянная дифференцирования должна быть неотрицательна!";
constexpr std::string_view kDerivativeConstantSmall =
    "Постоянная дифференцирования меньше шага интегрирования! Расчёт может быть некорректен";
constexpr std::string_view kTimeConstant = "Постоянная времени должна быть положительна!";
constexpr std::string_view kUpperAboveLowerLimit = "Верхний предел A должен быть выше нижнего B!";
constexpr std::string_view kUpperAboveLowerValue = "Верхнее значение A должно быть выше нижнего B!";
constexpr std::string_view kGainNotPositive = "Коэффициент k должен быть положительным!";
constexpr std::string_view kBoundsOfOneSign =
    "Левая и правая границы должны быть разных знаков или 0!";
constexpr std::string_view kLeftLeftOfRight = "Левая граница а1 должна быть левее правой a2!";
constexpr std::string_view kHalfBacklash = "Величина полулюфта должна быть положительна!";
constexpr std::string_view kInitialBacklashValue =
    "Возможно, начальное значение, зависящее от x при t=0, задано неверно!";

// Collects the findings of one check: every one is shown at once.
class Findings {
 public:
  Findings(const FieldNumbers& values, const WorkingTimes& times, TimeScaleStats& stats,
           Messenger& messenger)
      : values_(values), times_(times), stats_(stats), messenger_(messenger) {}

  // Reads a field when the checks come to it: a text that was not a number
  // is reported there and counts as 0.
  float operator[](ControlId id) { return Read(values_.Text(id), values_.TextFailed(id)); }
  // The grid coefficient of `index`, or 0 when the grid does not reach it.
  float Coefficient(const std::vector<float>& row, const std::vector<bool>& failed, int index) {
    if (index < 0 || index >= static_cast<int>(row.size())) return 0.0f;
    return Read(row[index], index < static_cast<int>(failed.size()) && failed[index]);
  }
  const FieldNumbers& values() const { return values_; }
  double h() const { return times_.h; }
  double t0() const { return times_.t0; }
  double tk() const { return times_.tk; }
  double Interval() const { return tk() - t0(); }
  TimeScaleStats& stats() { return stats_; }

  // Reports `text` as an error about field `about` when `failed`; answers `failed`.
  bool Error(bool failed, std::string_view text, ControlId about) {
    return Refuse(failed, text, {.control = about});
  }
  // The same about the coefficient of `index` in `row` of the grid.
  bool GridError(bool failed, std::string_view text, int row, int index) {
    return Refuse(failed, text,
                  {.control = ControlId::kStringGridPar, .grid_row = row, .grid_index = index});
  }
  void Warning(bool applies, std::string_view text) {
    if (applies) messenger_.Show(text);
  }
  bool passed() const { return passed_; }
  const RefusedField& refused() const { return refused_; }

 private:
  bool Refuse(bool failed, std::string_view text, const RefusedField& about) {
    if (failed) {
      messenger_.Show(text);
      if (passed_) refused_ = about;
      passed_ = false;
    }
    return failed;
  }
  float Read(float value, bool failed) {
    if (failed) ReportBadNumber(messenger_);
    return value;
  }

  const FieldNumbers& values_;
  const WorkingTimes& times_;
  TimeScaleStats& stats_;
  Messenger& messenger_;
  bool passed_ = true;
  RefusedField refused_;
};

void CheckIntegration(Findings& f) {
  const double t0 = f[C::kTxtPar1];
  const double h = f[C::kTxtPar2];
  const double tk = f[C::kTxtPar3];
  if (f.Error(t0 < 0, "Начальный момент должен быть неотрицательным!", C::kTxtPar1) ||
      f.Error(t0 >= tk, "Начальный момент должен быть меньше конечного!", C::kTxtPar1) ||
      f.Error(h <= 0, "Шаг интегрирования должен быть положительным!", C::kTxtPar2) ||
      f.Error(tk < t0 + h, "Шаг интегрирования велик!", C::kTxtPar2)) {
    return;
  }
  const TimeScaleStats& s = f.stats();
  f.Warning(s.MinCharTime > 0 && h > s.MinCharTime,
            "Расчёт будет некорректен, так как шаг интегрирования больше минимального "
            "характерного времени схемы!");
  f.Warning(s.MaxCharTime > 0 && tk - t0 < s.MaxCharTime,
            "Расчёт может быть непоказателен, так как интервал интегрирования меньше "
            "максимального характерного времени схемы!");
  f.Warning(s.MinDelay > 0 && s.MinDelay < t0,
            "Расчёт может быть некорректен, так как начальный момент больше минимального "
            "времени задержки в схеме!");
  f.Warning(s.MaxDelay > 0 && tk - t0 <= s.MaxDelay,
            "Расчёт может быть некорректен, так как интервал интегрирования не больше "
            "максимального времени задержки в схеме!");
}

// A half-period against the step, then fed as a characteristic time.
void NoteHalfPeriod(Findings& f, double half_period) {
  f.Warning(half_period <= f.h(), kHalfPeriodWarning);
  f.stats().NoteCharTime(static_cast<float>(half_period));
}

void CheckDelay(Findings& f, float delay, ControlId field) {
  f.Error(f.Interval() <= delay, kDelayBeyondInterval, field);
  f.Error(delay < 0, kNegativeDelay, field);
}

void CheckHarmonic(Findings& f) {
  const float w = f[C::kTxtPar2];
  if (f.Error(w <= 0, "Частота должна быть положительной!", C::kTxtPar2)) return;
  NoteHalfPeriod(f, std::numbers::pi / w);
}

void CheckStepOrRamp(Findings& f) {
  const float delay = f[C::kTxtPar2];
  CheckDelay(f, delay, C::kTxtPar2);
  f.stats().NoteDelay(delay);
}

void CheckPulse(Findings& f) {
  const float delay = f[C::kTxtPar2];
  CheckDelay(f, delay, C::kTxtPar2);
  const float width = f[C::kTxtPar3];
  if (f.Error(width <= 0, kPulseNotPositive, C::kTxtPar3)) return;
  f.stats().NoteDelay(delay);
  f.stats().NoteCharTime(width);
}

void CheckPeriodic(Findings& f) {
  const float period = f[C::kTxtPar2];
  if (f.Error(period <= 0, kPeriodNotPositive, C::kTxtPar2)) return;
  NoteHalfPeriod(f, period / 2.0);
}

void CheckPacket(Findings& f) {
  const float delay = f[C::kTxtPar3];
  const float pulse = f[C::kTxtPar4];
  const float pause = f[C::kTxtAux1];
  const int count = f.values().n;
  if (f.Error(pulse <= 0, kPulseNotPositive, C::kTxtPar4) ||
      f.Error(pause <= 0, "Длительность паузы должна быть положительной!", C::kTxtAux1) ||
      f.Error(f.Interval() <= delay, kDelayBeyondInterval, C::kTxtPar3) ||
      f.Error(delay < 0, kNegativeDelay, C::kTxtPar3)) {
    return;
  }
  f.Warning(pulse <= f.h(),
            "Расчёт будет некорректен, так как длительность импульса меньше шага интегрирования!");
  f.Error(count < 1, "Число импульсов должно быть положительным!", C::kCseN);
  f.stats().NoteDelay(delay);
  f.stats().NoteCharTime(static_cast<float>(count * double{pulse} + (count - 1) * double{pause}));
}

void CheckNoise(Findings& f) {
  f.Error(f[C::kTxtPar1] < 0, "Мощность должна быть неотрицательной!", C::kTxtPar1);
}

void CheckPulseSequence(Findings& f) {
  const float pulse = f[C::kTxtPar2];
  const float period = f[C::kTxtPar3];
  if (f.Error(pulse <= 0, kPulseNotPositive, C::kTxtPar2) ||
      f.Error(period <= 0, kPeriodNotPositive, C::kTxtPar3)) {
    return;
  }
  f.Error(pulse >= period, "Длительность импульса должна быть меньше периода!", C::kTxtPar2);
  NoteHalfPeriod(f, period / 2.0);
}

void CheckTriangular(Findings& f) {
  const float front = f[C::kTxtPar2];
  const float period = f[C::kTxtPar3];
  if (f.Error(period <= 0, kPeriodNotPositive, C::kTxtPar3) ||
      f.Error(front < 0, "Длительность переднего фронта должна быть неотрицательной!",
              C::kTxtPar2)) {
    return;
  }
  f.Error(period <= front, "Длительность переднего фронта должна быть меньше периода!",
          C::kTxtPar2);
  NoteHalfPeriod(f, period / 2.0);
}

void CheckSweep(Findings& f) {
  const FieldNumbers& v = f.values();
  if (f.Error(v.m >= v.n, "Величина m должна быть меньше величины n!", C::kCseM)) return;
  f.Error(v.p <= 1, "Число точек на декаду должно быть больше 1!", C::kCseP);
}

void CheckIntegrationConstant(Findings& f, ControlId field) {
  const float ti = f[field];
  f.Error(ti <= 0, kIntegrationConstant, field);
  f.Warning(ti <= f.h(), kIntegrationConstantSmall);
  f.stats().NoteCharTime(ti);
}

void CheckDerivativeConstant(Findings& f, ControlId field) {
  const float td = f[field];
  f.Error(td < 0, kDerivativeConstant, field);
  f.Warning(td <= f.h(), kDerivativeConstantSmall);
  f.stats().NoteCharTime(td);
}

void CheckPureDelay(Findings& f) {
  const float delay = f[C::kTxtPar1];
  f.Error(delay < 0, "Запаздывание не может быть отрицательным!", C::kTxtPar1);
  f.Error(f.Interval() <= delay, "Запаздывание превышает интервал интегрирования!", C::kTxtPar1);
  f.stats().NoteDelay(delay);
}

void CheckTimeConstant(Findings& f) {
  const float t = f[C::kTxtPar2];
  f.Error(t <= 0, kTimeConstant, C::kTxtPar2);
  f.stats().NoteCharTime(t);
}

void CheckLeadLag(Findings& f) {
  const float td = f[C::kTxtPar2];
  const float ti = f[C::kTxtPar3];
  f.Error(td < 0, "Постоянная времени Td должна быть неотрицательна!", C::kTxtPar2);
  f.Error(ti <= 0, "Постоянная интегрирования Ti должна быть положительна!", C::kTxtPar3);
  f.stats().NoteCharTime(td);
  f.stats().NoteCharTime(ti);
}

void CheckSecondOrderLag(Findings& f) {
  const float t1 = f[C::kTxtPar2];
  const float t2 = f[C::kTxtPar3];
  f.Error(t1 <= 0, "Постоянная времени T1 должна быть положительна!", C::kTxtPar2);
  f.Error(t2 <= 0, "Постоянная времени T2 должна быть положительна!", C::kTxtPar3);
  f.stats().NoteCharTime(t1);
  f.stats().NoteCharTime(t2);
}

void CheckOscillatory(Findings& f) {
  const float t = f[C::kTxtPar2];
  const float d = f[C::kTxtPar3];
  f.Error(t <= 0, kTimeConstant, C::kTxtPar2);
  f.Error(d < -1 || d > 1, "Для колебательного звена должно выполняться: |d|<=1 !", C::kTxtPar3);
  f.stats().NoteCharTime(t);
}

void CheckGeneral(Findings& f) {
  const FieldNumbers& v = f.values();
  if (f.Error(v.m < 0, "Величина m должна быть неотрицательна!", C::kCseM) ||
      f.Error(v.n < 0, "Величина n должна быть неотрицательна!", C::kCseN)) {
    return;
  }
  const float b_m = f.Coefficient(v.b, v.b_failed, v.m);
  const float a_n = f.Coefficient(v.a, v.a_failed, v.n);
  f.GridError(b_m == 0, "Старший коэффициент числителя не должен быть нулевым!",
              CoefficientGrid::kNumeratorRow, v.m);
  f.GridError(a_n == 0, "Старший коэффициент знаменателя не должен быть нулевым!",
              CoefficientGrid::kDenominatorRow, v.n);
}

void CheckPid(Findings& f) {
  CheckIntegrationConstant(f, C::kTxtPar2);
  CheckDerivativeConstant(f, C::kTxtPar3);
}

void CheckSaturation(Findings& f) {
  const float upper = f[C::kTxtPar1];
  const float lower = f[C::kTxtPar2];
  const float k = f[C::kTxtPar3];
  f.Error(lower >= upper, kUpperAboveLowerLimit, C::kTxtPar1);
  f.Error(k <= 0, kGainNotPositive, C::kTxtPar3);
}

// a1 and a2 from `left` and the field below it.
void CheckBoundsOfZero(Findings& f, float a1, float a2, std::string_view order_text,
                       ControlId left) {
  f.Error(a1 > a2, order_text, left);
  f.Error(double{a1} * a2 > 0, kBoundsOfOneSign, left);
}

void CheckDeadZone(Findings& f) {
  const float a1 = f[C::kTxtPar1];
  const float a2 = f[C::kTxtPar2];
  const float k = f[C::kTxtPar3];
  CheckBoundsOfZero(f, a1, a2, "Левая граница а1 не должна быть правее правой a2!", C::kTxtPar1);
  f.Error(k <= 0, kGainNotPositive, C::kTxtPar3);
}

void CheckSaturationDeadZone(Findings& f) {
  const float lower = f[C::kTxtPar1];
  const float upper = f[C::kTxtPar4];
  const float k = f[C::kTxtAux1];
  f.Error(lower >= upper, kUpperAboveLowerLimit, C::kTxtPar1);
  f.Error(k <= 0, kGainNotPositive, C::kTxtAux1);
  const float a1 = f[C::kTxtPar2];
  const float a2 = f[C::kTxtPar3];
  CheckBoundsOfZero(f, a1, a2, kLeftLeftOfRight, C::kTxtPar2);
}

bool OutsideBacklash(float y0, float a, float k) {
  const double reach = double{a} * k;
  return y0 > reach || y0 < -reach;
}

void CheckBacklash(Findings& f) {
  const float a = f[C::kTxtPar1];
  const float k = f[C::kTxtPar2];
  if (f.Error(a <= 0, kHalfBacklash, C::kTxtPar1) ||
      f.Error(k <= 0, kGainNotPositive, C::kTxtPar2)) {
    return;
  }
  f.Warning(OutsideBacklash(f[C::kTxtPar3], a, k), kInitialBacklashValue);
}

void CheckBacklashSaturation(Findings& f) {
  const float lower = f[C::kTxtPar1];
  const float upper = f[C::kTxtPar2];
  if (f.Error(lower >= upper, kUpperAboveLowerLimit, C::kTxtPar1)) return;
  const float y0 = f[C::kTxtAux1];
  if (f.Error(y0 > upper || y0 < lower,
              "Начальное значение не может выходить за верхний или нижний пределы!", C::kTxtAux1)) {
    return;
  }
  const float a = f[C::kTxtPar3];
  if (f.Error(a <= 0, kHalfBacklash, C::kTxtPar3)) return;
  const float k = f[C::kTxtPar4];
  if (f.Error(k <= 0, kGainNotPositive, C::kTxtPar4)) return;
  f.Warning(OutsideBacklash(y0, a, k), kInitialBacklashValue);
}

// Reads B and A, the lower and upper values; answers whether B >= A was refused.
bool RefuseRelayValues(Findings& f) {
  const float lower = f[C::kTxtPar1];
  const float upper = f[C::kTxtPar2];
  return f.Error(lower >= upper, kUpperAboveLowerValue, C::kTxtPar1);
}

// Reads a1 and a2, the switching bounds; answers whether a1 >= a2 was refused.
bool RefuseRelayBounds(Findings& f) {
  const float a1 = f[C::kTxtPar3];
  const float a2 = f[C::kTxtPar4];
  return f.Error(a1 >= a2, kLeftLeftOfRight, C::kTxtPar3);
}

void CheckRelay(Findings& f) {
  RefuseRelayValues(f);
}

void CheckThreePositionRelay(Findings& f) {
  RefuseRelayValues(f);
  RefuseRelayBounds(f);
}

void CheckHysteresisRelay(Findings& f) {
  if (RefuseRelayBounds(f) || RefuseRelayValues(f)) return;
  const float lower = f.values().Text(C::kTxtPar1);
  const float upper = f.values().Text(C::kTxtPar2);
  const float y0 = f[C::kTxtAux1];
  f.Error(y0 != lower && y0 != upper,
          "Начальное значение не равно ни нижнему, ни верхнему значению!", C::kTxtAux1);
}

void CheckThreePositionHysteresisRelay(Findings& f) {
  const float a1 = f[C::kTxtPar1];
  const float a2 = f[C::kTxtPar2];
  if (f.Error(a1 >= a2, "Не выполнено условие: а1 < a2!", C::kTxtPar1)) return;
  const float a3 = f[C::kTxtPar3];
  if (f.Error(a2 >= a3, "Не выполнено условие: а2 < a3!", C::kTxtPar2)) return;
  const float a4 = f[C::kTxtPar4];
  if (f.Error(a3 >= a4, "Не выполнено условие: а3 < a4!", C::kTxtPar3)) return;
  const float y0 = f[C::kTxtAux1];
  f.Error(y0 != 0 && y0 != 1 && y0 != -1,
          "Начальное значение не равно никакому возможному положению реле!", C::kTxtAux1);
}

void CheckExponent(Findings& f) {
  f.Warning(f[C::kTxtPar1] > 10,
            "Коэффициент a велик. Это может привести к переполнению при счёте!");
}

struct KindChecks {
  std::vector<int> codes;
  void (*check)(Findings&);
};

// The checks of every kind; the gain, the power a and the functions without
// parameters have none.
const std::vector<KindChecks>& ChecksByKind() {
  static const std::vector<KindChecks> table = {
      {{0}, CheckIntegration},
      {{100, 103}, CheckHarmonic},
      {{101, 102}, CheckStepOrRamp},
      {{104}, CheckPulse},
      {{105, 106, 108}, CheckPeriodic},
      {{107}, CheckPacket},
      {{109}, CheckNoise},
      {{110}, CheckPulseSequence},
      {{111}, CheckTriangular},
      {{112}, CheckSweep},
      {{201}, [](Findings& f) { CheckIntegrationConstant(f, C::kTxtPar1); }},
      {{202}, [](Findings& f) { CheckDerivativeConstant(f, C::kTxtPar1); }},
      {{203}, CheckPureDelay},
      {{204, 205, 206, 208, 209}, CheckTimeConstant},
      {{207}, CheckLeadLag},
      {{210}, CheckSecondOrderLag},
      {{211}, CheckOscillatory},
      {{212}, CheckGeneral},
      {{213, 214}, CheckPid},
      {{300}, CheckSaturation},
      {{301}, CheckDeadZone},
      {{302}, CheckSaturationDeadZone},
      {{303}, CheckBacklash},
      {{304}, CheckBacklashSaturation},
      {{305}, CheckRelay},
      {{306}, CheckThreePositionRelay},
      {{307}, CheckHysteresisRelay},
      {{308}, CheckThreePositionHysteresisRelay},
      {{506}, CheckExponent},
  };
  return table;
}

void CheckCode(int code, Findings& f) {
  for (const KindChecks& kind : ChecksByKind()) {
    if (std::find(kind.codes.begin(), kind.codes.end(), code) != kind.codes.end()) {
      kind.check(f);
      return;
    }
  }
}

}  // namespace

bool ValidateParameters(int code, const FieldNumbers& values, const WorkingTimes& times,
                        TimeScaleStats& stats, Messenger& messenger, RefusedField* refused) {
  Findings findings(values, times, stats, messenger);
  CheckCode(code, findings);
  if (refused != nullptr && !findings.passed()) *refused = findings.refused();
  return findings.passed();
}

}  // namespace kortiv
