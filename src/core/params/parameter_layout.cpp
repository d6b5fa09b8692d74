#include "params/parameter_layout.h"

#include <algorithm>
#include <numbers>

#include "model/catalogue.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr std::string_view kElementFormCaption = "Задание параметров элемента";
constexpr std::string_view kIntegrationFormCaption = "Задание параметров";
constexpr int kElementFormWidth = 400;
constexpr int kElementFormHeight = 250;

constexpr std::string_view kSweepMinRadians = "Минимальная частота: 10^m 1/c, m=";
constexpr std::string_view kSweepMaxRadians = "Максимальная частота: 10^n 1/c, n=";
constexpr std::string_view kSweepMinHertz = "Минимальная частота: 10^m Гц, m=";
constexpr std::string_view kSweepMaxHertz = "Максимальная частота: 10^n Гц, n=";

constexpr std::array<ControlId, 5> kTextControls = {ControlId::kTxtPar1, ControlId::kTxtPar2,
                                                    ControlId::kTxtPar3, ControlId::kTxtPar4,
                                                    ControlId::kTxtAux1};

// Text field k (1..4 for txtPar1..txtPar4, 5 for txtAux1) holding block value k - 1.
LayoutControl Text(int k, std::string_view caption) {
  return {.control = kTextControls[k - 1],
          .label = static_cast<LabelId>(k),
          .caption = caption,
          .value = k - 1};
}

// txtAux1 left disabled to show a derived quantity.
LayoutControl Shows(std::string_view caption) {
  return {.control = ControlId::kTxtAux1, .label = LabelId::kLblAux1, .caption = caption};
}

LayoutControl Spin(ControlId id, std::string_view caption, int value,
                   std::optional<SpinLimits> limits, std::string_view hint = {}) {
  const LabelId label = id == ControlId::kCseM   ? LabelId::kLblPar1
                        : id == ControlId::kCseN ? LabelId::kLblPar2
                                                 : LabelId::kLblPar3;
  return {.control = id,
          .label = label,
          .caption = caption,
          .value = value,
          .integer = true,
          .limits = limits,
          .hint = hint};
}

LayoutControl Radio(ControlId id, std::string_view caption, std::vector<std::string_view> items,
                    int value) {
  return {.control = id,
          .caption = caption,
          .value = value,
          .integer = true,
          .items = std::move(items)};
}

ParameterLayout Element(std::vector<int> codes, std::vector<LayoutControl> controls,
                        std::vector<double> defaults, int reposition) {
  return {.codes = std::move(codes),
          .form_caption = kElementFormCaption,
          .form_width = kElementFormWidth,
          .form_height = kElementFormHeight,
          .controls = std::move(controls),
          .defaults = std::move(defaults),
          .reposition = reposition};
}

ParameterLayout Derived(ParameterLayout layout, ApplyAction action, std::string_view caption,
                        ControlId source, std::vector<ControlId> triggers) {
  layout.apply = action;
  layout.apply_caption = caption;
  layout.derived_source = source;
  layout.apply_triggers = std::move(triggers);
  return layout;
}

ParameterLayout IntegrationLayout() {
  ParameterLayout layout =
      Derived(Element({0},
                      {Text(1, "Начальный момент, T0, c :"), Text(2, "Шаг, h, с :"),
                       Text(3, "Конечный момент, Tk, c :"), Shows("Число точек счёта, N :")},
                      {}, 1),
              ApplyAction::kPointCount, "Пересчитать N", ControlId::kTxtPar2,
              {ControlId::kTxtPar1, ControlId::kTxtPar2, ControlId::kTxtPar3});
  layout.form_caption = kIntegrationFormCaption;
  layout.form_width = 250;
  layout.form_height = 240;
  return layout;
}

ParameterLayout SweepGeneratorLayout() {
  const auto scale_items = SweepScaleItems(false);
  ParameterLayout layout = Element(
      {kSweepGeneratorCode},
      {Spin(ControlId::kCseM, kSweepMinRadians, 0, std::nullopt),
       Spin(ControlId::kCseN, kSweepMaxRadians, 1, std::nullopt),
       Radio(ControlId::kRgView,
             "Построить ЧХ (F=U+jV=A exp(j*fi) ):", {kViewItems.begin(), kViewItems.end()}, 2),
       Radio(ControlId::kRgScale, "Выбор масштаба:", {scale_items.begin(), scale_items.end()}, 3),
       Spin(ControlId::kCseP, "Число точек отсчёта на декаду:", 4, SpinLimits{2, 1000000})},
      {0, 4, 0, 1, 90}, 2);
  layout.form_height = 255;
  return layout;
}

ParameterLayout GeneralLinearLayout() {
  constexpr SpinLimits kOrders{0, 500};
  ParameterLayout layout = Derived(
      Element({kGeneralLinearCode},
              {Spin(ControlId::kCseM, "Порядок числителя, m :", 0, kOrders,
                    "Для активации нового значения m используйте кнопку 'Применить n и m'."),
               Spin(ControlId::kCseN, "Порядок знаменателя, n :", 1, kOrders,
                    "Для активации нового значения n используйте кнопку 'Применить n и m'."),
               {.control = ControlId::kStringGridPar, .value = 2}},
              {0, 3}, -1),
      ApplyAction::kRebuildGrid, "Применить n и m", ControlId::kCseM,
      {ControlId::kCseM, ControlId::kCseN});
  layout.form_height = 275;
  layout.hints = true;
  return layout;
}

std::vector<ParameterLayout> BuildLayouts() {
  using C = ControlId;
  constexpr double kHalfPi = std::numbers::pi / 2;
  const auto amplitude = Text(1, "Амплитуда, A :");
  const auto gain = Text(1, "Коэффициент передачи, k :");
  const auto frequency = Shows("Частота, f, Гц :");
  const auto period = Shows("Период, T, с :");
  return {
      IntegrationLayout(),
      Derived(Element({100}, {amplitude, Text(2, "Частота, w, рад/с :"), period}, {2, 8}, 2),
              ApplyAction::kPeriod, "Пересчитать T", C::kTxtPar2, {C::kTxtPar2}),
      Element({101}, {Text(1, "Высота ступеньки, A :"), Text(2, "Задержка, T, с :")}, {1, 0}, 1),
      Derived(Element({102},
                      {Text(1, "Наклон, k :"), Text(2, "Задержка, T, с :"),
                       Shows("Угол наклона, a, гр :")},
                      {1, 0}, 5),
              ApplyAction::kSlopeAngle, "Пересчитать a", C::kTxtPar1, {C::kTxtPar1}),
      Derived(Element({103},
                      {amplitude, Text(2, "Частота, w, рад/с :"),
                       Text(3, "Начальная фаза, f, рад :"), period},
                      {2, 4, kHalfPi}, 3),
              ApplyAction::kPeriod, "Пересчитать T", C::kTxtPar2, {C::kTxtPar2}),
      Element({104}, {amplitude, Text(2, "Задержка, T, с :"), Text(3, "Ширина импульса, Ti, с :")},
              {1, 0, 1}, 3),
      Derived(
          Element({105, 106, 108}, {amplitude, Text(2, "Период, T, с :"), frequency}, {1, 1}, 5),
          ApplyAction::kFrequency, "Пересчитать f", C::kTxtPar2, {C::kTxtPar2}),
      Element({107},
              {amplitude, Spin(C::kCseN, "Число импульсов, n :", 1, SpinLimits{1, 100000}),
               Text(3, "Задержка, T, с :"), Text(4, "Длительность импульса, Ti, с :"),
               Text(5, "Длительность паузы, Tp, с :")},
              {1, 4, 0, 1, 0.5}, 4),
      Element({109}, {Text(1, "Мощность, Вт :")}, {1}, 1),
      Derived(Element({110},
                      {amplitude, Text(2, "Длительность импульса, Ti, с :"),
                       Text(3, "Период, T, с :"), frequency},
                      {1, 0.5, 1}, 2),
              ApplyAction::kFrequency, "Пересчитать f", C::kTxtPar3, {C::kTxtPar3}),
      Derived(Element({111},
                      {amplitude, Text(2, "Длит. переднего фронта, T1, с :"),
                       Text(3, "Период, T, с :"), frequency},
                      {1, 1, 2}, 2),
              ApplyAction::kFrequency, "Пересчитать f", C::kTxtPar3, {C::kTxtPar3}),
      SweepGeneratorLayout(),
      Element({200}, {gain}, {1}, 1),
      Element({201}, {Text(1, "Пост. интегрирования, Ti :"), Text(2, "Начальное значение, y(0) :")},
              {1, 0}, 1),
      Element({202}, {Text(1, "Пост. дифференцирования, Td :")}, {1}, 1),
      Element({203}, {Text(1, "Величина времени запаздывания, T :")}, {1}, 1),
      Element({204, 206},
              {gain, Text(2, "Постоянная времени, T :"), Text(3, "Начальное значение, y(0) :")},
              {1, 1, 0}, 3),
      Element({205}, {gain, Text(2, "Постоянная времени, Ti :")}, {1, 1}, 1),
      Element({207},
              {gain, Text(2, "Постоянная времени, Td :"), Text(3, "Постоянная времени, Ti :"),
               Text(4, "Начальное значение, y(0) :")},
              {1, 1, 1, 0}, 4),
      Element({208, 209},
              {gain, Text(2, "Постоянная времени, T :"), Text(3, "Начальное значение, y(0) :"),
               Text(4, "Начальное значение, y'(0) :")},
              {1, 1, 0, 0}, 4),
      Element({210},
              {gain, Text(2, "Постоянная времени, T1 :"), Text(3, "Постоянная времени, T2 :"),
               Text(4, "Начальное значение, y(0) :"), Text(5, "Начальное значение, y'(0) :")},
              {1, 1, 1, 0, 0}, 5),
      Element({211},
              {gain, Text(2, "Постоянная времени, T :"), Text(3, "Коэффициент затухания, d :"),
               Text(4, "Начальное значение, y(0) :"), Text(5, "Начальное значение, y'(0) :")},
              {1, 1, 0.5, 0, 0}, 5),
      GeneralLinearLayout(),
      Element({213, 214},
              {gain, Text(2, "Пост. интегрирования, Ti :"),
               Text(3, "Пост. дифференцирования, Td :"), Text(4, "Начальное значение, y(0) :")},
              {0.5, 10, 1, 0}, 3),
      Element({300},
              {Text(1, "Верхний предел, A :"), Text(2, "Нижний предел, B :"),
               Text(3, "Коэффициент, k :")},
              {0.5, -0.5, 1}, 1),
      Element({301},
              {Text(1, "Левая граница, а1 :"), Text(2, "Правая граница, а2 :"),
               Text(3, "Коэффициент, k :")},
              {-0.1, 0.1, 1}, 2),
      Element({302},
              {Text(1, "Нижний предел, В :"), Text(2, "Левая граница, а1 :"),
               Text(3, "Правая граница, а2 :"), Text(4, "Верхний предел, А :"),
               Text(5, "Коэффициент, k :")},
              {-0.5, -0.1, 0.1, 0.5, 1}, 3),
      Element({303},
              {Text(1, "Полулюфт, а :"), Text(2, "Коэффициент, k :"),
               Text(3, "Начальное значение, y(0) :")},
              {0.1, 1, 0}, 3),
      Element(
          {304},
          {Text(1, "Нижний предел, В :"), Text(2, "Верхний предел, А :"), Text(3, "Полулюфт, а :"),
           Text(4, "Коэффициент, k :"), Text(5, "Начальное значение, y(0) :")},
          {-0.5, 0.5, 0.1, 1, 0}, 5),
      Element({305}, {Text(1, "Нижнее значение, В :"), Text(2, "Верхнее значение, А :")}, {-1, 1},
              2),
      Element({306},
              {Text(1, "Нижнее значение, В :"), Text(2, "Верхнее значение, А :"),
               Text(3, "Левая граница, а1 :"), Text(4, "Правая граница, а2 :")},
              {-1, 1, -0.1, 0.1}, 2),
      Element({307},
              {Text(1, "Нижнее значение, В :"), Text(2, "Верхнее значение, А :"),
               Text(3, "Левая граница, а1 :"), Text(4, "Правая граница, а2 :"),
               Text(5, "Начальное значение, y(0) :")},
              {-1, 1, -0.2, 0.2, -1}, 5),
      Element({308},
              {Text(1, "Первая левая граница, а1 :"), Text(2, "Первая правая граница, а2 :"),
               Text(3, "Вторая левая граница, а3 :"), Text(4, "Вторая правая граница, а4 :"),
               Text(5, "Начальное значение, y(0) :")},
              {-0.5, -0.2, 0.2, 0.5, 0}, 4),
      Element({503}, {Text(1, "Показатель степени, а :")}, {3}, 1),
      Element({506}, {Text(1, "Коэффициент, a :")}, {-1}, 1),
  };
}

}  // namespace

const LayoutControl* ParameterLayout::Find(ControlId id) const {
  const auto it = std::find_if(controls.begin(), controls.end(),
                               [id](const LayoutControl& ctl) { return ctl.control == id; });
  return it == controls.end() ? nullptr : &*it;
}

bool ParameterLayout::TriggersApply(ControlId id) const {
  return std::find(apply_triggers.begin(), apply_triggers.end(), id) != apply_triggers.end();
}

const LayoutControl* ParameterLayout::ControlOfValue(int i) const {
  const auto it = std::find_if(controls.begin(), controls.end(),
                               [i](const LayoutControl& ctl) { return ctl.value == i; });
  return it == controls.end() ? nullptr : &*it;
}

std::array<std::string_view, 3> SweepScaleItems(bool freq_in_hertz) {
  if (freq_in_hertz) {
    return {"линейный A, fi(f)", "полулогарифмический A, fi(lg f)", "логарифмический L, fi(lg f)"};
  }
  return {"линейный A, fi(w)", "полулогарифмический A, fi(lg w)", "логарифмический L, fi(lg w)"};
}

const std::vector<ParameterLayout>& ParameterLayouts() {
  static const std::vector<ParameterLayout> layouts = BuildLayouts();
  return layouts;
}

std::optional<ParameterLayout> FindParameterLayout(int code, bool freq_in_hertz,
                                                   Messenger& messenger) {
  for (const ParameterLayout& layout : ParameterLayouts()) {
    if (std::find(layout.codes.begin(), layout.codes.end(), code) == layout.codes.end()) continue;
    ParameterLayout found = layout;
    if (code == kSweepGeneratorCode && freq_in_hertz) {
      for (LayoutControl& ctl : found.controls) {
        if (ctl.control == ControlId::kCseM) ctl.caption = kSweepMinHertz;
        if (ctl.control == ControlId::kCseN) ctl.caption = kSweepMaxHertz;
        if (ctl.control == ControlId::kRgScale) {
          const auto items = SweepScaleItems(true);
          ctl.items.assign(items.begin(), items.end());
        }
      }
    }
    return found;
  }
  messenger.Show(kNoLayoutText);
  return std::nullopt;
}

}  // namespace kortiv
