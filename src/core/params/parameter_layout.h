#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace kortiv {

class Messenger;

// The controls of the parameter dialog. The spin edits sit on the places of
// txtPar1..txtPar3; the grid and the radio groups have places of their own.
enum class ControlId {
  kTxtPar1,
  kTxtPar2,
  kTxtPar3,
  kTxtPar4,
  kTxtAux1,
  kCseM,
  kCseN,
  kCseP,
  kRgView,
  kRgScale,
  kStringGridPar,
};

// The caption labels lblPar1..lblPar4 and lblAux1.
enum class LabelId { kNone, kLblPar1, kLblPar2, kLblPar3, kLblPar4, kLblAux1 };

// What cmdApply recalculates into txtAux1, or the rebuild of the 212 grid.
enum class ApplyAction {
  kNone,
  kPointCount,   // N = ceil((Tk - T0) / h)
  kPeriod,       // T = 2 pi / w
  kSlopeAngle,   // arctan(k) in degrees
  kFrequency,    // f = 1 / T
  kRebuildGrid,  // the orders of the general element
};

struct SpinLimits {
  int min;
  int max;
};

// One visible control of a layout. A control with a block value is
// editable; txtAux1 without one stays disabled and shows the derived
// quantity. The grid holds block values 2 and up of the general element.
struct LayoutControl {
  ControlId control = ControlId::kTxtPar1;
  LabelId label = LabelId::kNone;  // the caption's label; kNone for the grid and radio groups
  std::string_view caption{};      // label text, or the radio group's own caption
  int value = -1;        // index in the element's parameter block; -1: shows a derived quantity
  bool integer = false;  // spin or radio value, stored 0.1 away from zero
  std::optional<SpinLimits> limits{};     // spin edits without limits accept any integer
  std::vector<std::string_view> items{};  // radio group items
  std::string_view hint{};
};

// Everything the dialog shows for one code: the element kinds that share a
// row of the layout table share one ParameterLayout.
struct ParameterLayout {
  std::vector<int> codes{};
  std::string_view form_caption{};
  int form_width = 0;
  int form_height = 0;
  std::vector<LayoutControl> controls{};  // in the order of the block values
  // Values shown for an element without a parameter block, by block index.
  // The integration parameters have none: they are always stored.
  std::vector<double> defaults{};
  int reposition = 1;  // 1..5 aligns on lblPar1..lblAux1; -1 on lblPar2 with the grid rebuilt
  ApplyAction apply = ApplyAction::kNone;
  std::string_view apply_caption{};                // empty: no cmdApply
  ControlId derived_source = ControlId::kTxtPar1;  // the field a derived quantity is made of
  std::vector<ControlId> apply_triggers{};         // changes of these enable cmdApply
  bool hints = false;

  const LayoutControl* Find(ControlId id) const;
  bool Shows(ControlId id) const { return Find(id) != nullptr; }
  bool TriggersApply(ControlId id) const;
  // The control that holds block value i, or nullptr.
  const LayoutControl* ControlOfValue(int i) const;
};

inline constexpr std::string_view kNoLayoutText = "Ошибка вызова окна для задания параметров!";
inline constexpr std::string_view kRepositionErrorText = "Ошибка вызова Reposition!";

// Items of rgView and rgScale of the sweep generator.
inline constexpr std::array<std::string_view, 4> kViewItems = {"только АЧХ", "только ФЧХ",
                                                               "АЧХ и ФЧХ", "годограф V(U)"};
std::array<std::string_view, 3> SweepScaleItems(bool freq_in_hertz);

// The layout of a code (0: the integration parameters). The sweep
// generator's captions follow the frequency unit. Codes without parameters
// to set are reported with kNoLayoutText and give nothing.
std::optional<ParameterLayout> FindParameterLayout(int code, bool freq_in_hertz,
                                                   Messenger& messenger);

// Every layout row, for the checks that go over the whole table.
const std::vector<ParameterLayout>& ParameterLayouts();

// Whether Reposition accepts the index; the dialog reports others with
// kRepositionErrorText.
constexpr bool IsRepositionIndex(int k) {
  return (k >= 1 && k <= 5) || k == -1;
}

}  // namespace kortiv
