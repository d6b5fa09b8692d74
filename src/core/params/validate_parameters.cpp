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

  // Reports `text` as an error when `failed`; answers `failed`.
  bool Error(bool failed, std::string_view text) {
    if (failed) {
      messenger_.Show(text);
      passed_ = false;
    }
    return failed;
  }
  void Warning(bool applies, std::string_view text) {
    if (applies) messenger_.Show(text);
  }
  bool passed() const { return passed_; }

 private:
  float Read(float value, bool failed) {
    if (failed) ReportBadNumber(messenger_);
    return value;
  }

  const FieldNumbers& values_;
  const WorkingTimes& times_;
  TimeScaleStats& stats_;
  Messenger& messenger_;
  bool passed_ = true;
};

void CheckIntegration(Findings& f) {
  const double t0 = f[C::kTxtPar1];
  const double h = f[C::kTxtPar2];
  const double tk = f[C::kTxtPar3];
  if (f.Error(t0 < 0, "Начальный момент должен быть неотрицательным!") ||
      f.Error(t0 >= tk, "Начальный момент должен быть меньше конечного!") ||
      f.Error(h <= 0, "Шаг интегрирования должен быть положительным!") ||
      f.Error(tk < t0 + h, "Шаг интегрирования велик!")) {
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

void CheckDelay(Findings& f, float delay) {
  f.Error(f.Interval() <= delay, kDelayBeyondInterval);
  f.Error(delay < 0, kNegativeDelay);
}

void CheckHarmonic(Findings& f) {
  const float w = f[C::kTxtPar2];
  if (f.Error(w <= 0, "Частота должна быть положительной!")) return;
  NoteHalfPeriod(f, std::numbers::pi / w);
}

void CheckStepOrRamp(Findings& f) {
  const float delay = f[C::kTxtPar2];
  CheckDelay(f, delay);
  f.stats().NoteDelay(delay);
}

void CheckPulse(Findings& f) {
  const float delay = f[C::kTxtPar2];
  CheckDelay(f, delay);
  const float width = f[C::kTxtPar3];
  if (f.Error(width <= 0, kPulseNotPositive)) return;
  f.stats().NoteDelay(delay);
  f.stats().NoteCharTime(width);
}

void CheckPeriodic(Findings& f) {
  const float period = f[C::kTxtPar2];
  if (f.Error(period <= 0, kPeriodNotPositive)) return;
  NoteHalfPeriod(f, period / 2.0);
}

void CheckPacket(Findings& f) {
  const float delay = f[C::kTxtPar3];
  const float pulse = f[C::kTxtPar4];
  const float pause = f[C::kTxtAux1];
  const int count = f.values().n;
  if (f.Error(pulse <= 0, kPulseNotPositive) ||
      f.Error(pause <= 0, "Длительность паузы должна быть положительной!") ||
      f.Error(f.Interval() <= delay, kDelayBeyondInterval) || f.Error(delay < 0, kNegativeDelay)) {
    return;
  }
  f.Warning(pulse <= f.h(),
            "Расчёт будет некорректен, так как длительность импульса меньше шага интегрирования!");
  f.Error(count < 1, "Число импульсов должно быть положительным!");
  f.stats().NoteDelay(delay);
  f.stats().NoteCharTime(static_cast<float>(count * double{pulse} + (count - 1) * double{pause}));
}

void CheckNoise(Findings& f) {
  f.Error(f[C::kTxtPar1] < 0, "Мощность должна быть неотрицательной!");
}

void CheckPulseSequence(Findings& f) {
  const float pulse = f[C::kTxtPar2];
  const float period = f[C::kTxtPar3];
  if (f.Error(pulse <= 0, kPulseNotPositive) || f.Error(period <= 0, kPeriodNotPositive)) return;
  f.Error(pulse >= period, "Длительность импульса должна быть меньше периода!");
  NoteHalfPeriod(f, period / 2.0);
}

void CheckTriangular(Findings& f) {
  const float front = f[C::kTxtPar2];
  const float period = f[C::kTxtPar3];
  if (f.Error(period <= 0, kPeriodNotPositive) ||
      f.Error(front < 0, "Длительность переднего фронта должна быть неотрицательной!")) {
    return;
  }
  f.Error(period <= front, "Длительность переднего фронта должна быть меньше периода!");
  NoteHalfPeriod(f, period / 2.0);
}

void CheckSweep(Findings& f) {
  const FieldNumbers& v = f.values();
  if (f.Error(v.m >= v.n, "Величина m должна быть меньше величины n!")) return;
  f.Error(v.p <= 1, "Число точек на декаду должно быть больше 1!");
}

void CheckIntegrationConstant(Findings& f, float ti) {
  f.Error(ti <= 0, kIntegrationConstant);
  f.Warning(ti <= f.h(), kIntegrationConstantSmall);
  f.stats().NoteCharTime(ti);
}

void CheckDerivativeConstant(Findings& f, float td) {
  f.Error(td < 0, kDerivativeConstant);
  f.Warning(td <= f.h(), kDerivativeConstantSmall);
  f.stats().NoteCharTime(td);
}

void CheckPureDelay(Findings& f) {
  const float delay = f[C::kTxtPar1];
  f.Error(delay < 0, "Запаздывание не может быть отрицательным!");
  f.Error(f.Interval() <= delay, "Запаздывание превышает интервал интегрирования!");
  f.stats().NoteDelay(delay);
}

void CheckTimeConstant(Findings& f) {
  const float t = f[C::kTxtPar2];
  f.Error(t <= 0, kTimeConstant);
  f.stats().NoteCharTime(t);
}

void CheckLeadLag(Findings& f) {
  const float td = f[C::kTxtPar2];
  const float ti = f[C::kTxtPar3];
  f.Error(td < 0, "Постоянная времени Td должна быть неотрицательна!");
  f.Error(ti <= 0, "Постоянная интегрирования Ti должна быть положительна!");
  f.stats().NoteCharTime(td);
  f.stats().NoteCharTime(ti);
}

void CheckSecondOrderLag(Findings& f) {
  const float t1 = f[C::kTxtPar2];
  const float t2 = f[C::kTxtPar3];
  f.Error(t1 <= 0, "Постоянная времени T1 должна быть положительна!");
  f.Error(t2 <= 0, "Постоянная времени T2 должна быть положительна!");
  f.stats().NoteCharTime(t1);
  f.stats().NoteCharTime(t2);
}

void CheckOscillatory(Findings& f) {
  const float t = f[C::kTxtPar2];
  const float d = f[C::kTxtPar3];
  f.Error(t <= 0, kTimeConstant);
  f.Error(d < -1 || d > 1, "Для колебательного звена должно выполняться: |d|<=1 !");
  f.stats().NoteCharTime(t);
}

void CheckGeneral(Findings& f) {
  const FieldNumbers& v = f.values();
  if (f.Error(v.m < 0, "Величина m должна быть неотрицательна!") ||
      f.Error(v.n < 0, "Величина n должна быть неотрицательна!")) {
    return;
  }
  const float b_m = f.Coefficient(v.b, v.b_failed, v.m);
  const float a_n = f.Coefficient(v.a, v.a_failed, v.n);
  f.Error(b_m == 0, "Старший коэффициент числителя не должен быть нулевым!");
  f.Error(a_n == 0, "Старший коэффициент знаменателя не должен быть нулевым!");
}

void CheckPid(Findings& f) {
  CheckIntegrationConstant(f, f[C::kTxtPar2]);
  CheckDerivativeConstant(f, f[C::kTxtPar3]);
}

void CheckSaturation(Findings& f) {
  const float upper = f[C::kTxtPar1];
  const float lower = f[C::kTxtPar2];
  const float k = f[C::kTxtPar3];
  f.Error(lower >= upper, kUpperAboveLowerLimit);
  f.Error(k <= 0, kGainNotPositive);
}

void CheckBoundsOfZero(Findings& f, float a1, float a2, std::string_view order_text) {
  f.Error(a1 > a2, order_text);
  f.Error(double{a1} * a2 > 0, kBoundsOfOneSign);
}

void CheckDeadZone(Findings& f) {
  const float a1 = f[C::kTxtPar1];
  const float a2 = f[C::kTxtPar2];
  const float k = f[C::kTxtPar3];
  CheckBoundsOfZero(f, a1, a2, "Левая граница а1 не должна быть правее правой a2!");
  f.Error(k <= 0, kGainNotPositive);
}

void CheckSaturationDeadZone(Findings& f) {
  const float lower = f[C::kTxtPar1];
  const float upper = f[C::kTxtPar4];
  const float k = f[C::kTxtAux1];
  f.Error(lower >= upper, kUpperAboveLowerLimit);
  f.Error(k <= 0, kGainNotPositive);
  const float a1 = f[C::kTxtPar2];
  const float a2 = f[C::kTxtPar3];
  CheckBoundsOfZero(f, a1, a2, kLeftLeftOfRight);
}

bool OutsideBacklash(float y0, float a, float k) {
  const double reach = double{a} * k;
  return y0 > reach || y0 < -reach;
}

void CheckBacklash(Findings& f) {
  const float a = f[C::kTxtPar1];
  const float k = f[C::kTxtPar2];
  if (f.Error(a <= 0, kHalfBacklash) || f.Error(k <= 0, kGainNotPositive)) return;
  f.Warning(OutsideBacklash(f[C::kTxtPar3], a, k), kInitialBacklashValue);
}

void CheckBacklashSaturation(Findings& f) {
  const float lower = f[C::kTxtPar1];
  const float upper = f[C::kTxtPar2];
  if (f.Error(lower >= upper, kUpperAboveLowerLimit)) return;
  const float y0 = f[C::kTxtAux1];
  if (f.Error(y0 > upper || y0 < lower,
              "Начальное значение не может выходить за верхний или нижний пределы!")) {
    return;
  }
  const float a = f[C::kTxtPar3];
  if (f.Error(a <= 0, kHalfBacklash)) return;
  const float k = f[C::kTxtPar4];
  if (f.Error(k <= 0, kGainNotPositive)) return;
  f.Warning(OutsideBacklash(y0, a, k), kInitialBacklashValue);
}

// Reads B and A, the lower and upper values; answers whether B >= A was refused.
bool RefuseRelayValues(Findings& f) {
  const float lower = f[C::kTxtPar1];
  const float upper = f[C::kTxtPar2];
  return f.Error(lower >= upper, kUpperAboveLowerValue);
}

// Reads a1 and a2, the switching bounds; answers whether a1 >= a2 was refused.
bool RefuseRelayBounds(Findings& f) {
  const float a1 = f[C::kTxtPar3];
  const float a2 = f[C::kTxtPar4];
  return f.Error(a1 >= a2, kLeftLeftOfRight);
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
          "Начальное значение не равно ни нижнему, ни верхнему значению!");
}

void CheckThreePositionHysteresisRelay(Findings& f) {
  const float a1 = f[C::kTxtPar1];
  const float a2 = f[C::kTxtPar2];
  if (f.Error(a1 >= a2, "Не выполнено условие: а1 < a2!")) return;
  const float a3 = f[C::kTxtPar3];
  if (f.Error(a2 >= a3, "Не выполнено условие: а2 < a3!")) return;
  const float a4 = f[C::kTxtPar4];
  if (f.Error(a3 >= a4, "Не выполнено условие: а3 < a4!")) return;
  const float y0 = f[C::kTxtAux1];
  f.Error(y0 != 0 && y0 != 1 && y0 != -1,
          "Начальное значение не равно никакому возможному положению реле!");
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
      {{201}, [](Findings& f) { CheckIntegrationConstant(f, f[C::kTxtPar1]); }},
      {{202}, [](Findings& f) { CheckDerivativeConstant(f, f[C::kTxtPar1]); }},
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
                        TimeScaleStats& stats, Messenger& messenger) {
  Findings findings(values, times, stats, messenger);
  CheckCode(code, findings);
  return findings.passed();
}

}  // namespace kortiv
