// set MODEL.krt N VALUE... [-o OUT.krt]: gives element N (0: the integration
// parameters) new parameter values as the parameter dialog would: the same
// conversion, checks and storing. The model is written (to OUT, or back in
// place) only when the values were accepted.
//
// Values come in the order of the dialog's fields: the labelled fields from
// the top, then the radio groups. Spin edits and radio groups take integers
// (107: A n T Ti Tp; 112: m n points view scale). The general element 212
// takes m, n, then b_0..b_m, a_0..a_n and y(0)..y^(n-1)(0).

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "batch_document.h"
#include "commands.h"
#include "model/scheme.h"
#include "params/parameter_entry.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

constexpr const char* kUsage = "Использование: kortiv-calc set MODEL.krt N VALUE... [-o OUT.krt]";

struct SetArguments {
  std::string model;
  std::string element;
  std::vector<std::string> values;
  std::string output;  // empty: back in place
};

std::optional<SetArguments> SplitArguments(const Arguments& args) {
  SetArguments split;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (i + 1 >= args.size() || !split.output.empty()) return std::nullopt;
      split.output = args[++i];
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() < 2) return std::nullopt;
  split.model = positional[0];
  split.element = positional[1];
  split.values.assign(positional.begin() + 2, positional.end());
  return split;
}

std::optional<int> ParseInteger(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The controls that hold block values, in the order the dialog shows them:
// labelled fields from the top, then the grid or the radio groups.
std::vector<const LayoutControl*> FieldsInDialogOrder(const ParameterLayout& layout) {
  std::vector<const LayoutControl*> fields;
  for (const LayoutControl& ctl : layout.controls) {
    if (ctl.value >= 0) fields.push_back(&ctl);
  }
  const auto rank = [](const LayoutControl* ctl) {
    return ctl->label == LabelId::kNone ? static_cast<int>(LabelId::kLblAux1) + 1
                                        : static_cast<int>(ctl->label);
  };
  std::stable_sort(
      fields.begin(), fields.end(),
      [&](const LayoutControl* a, const LayoutControl* b) { return rank(a) < rank(b); });
  return fields;
}

// Fills the fields of the entry from the values in dialog order; answers
// false after reporting a value the dialog could not have held.
class FieldFiller {
 public:
  FieldFiller(ParameterEntry& entry, const std::vector<std::string>& values, Messenger& messenger)
      : entry_(entry), values_(values), messenger_(messenger) {}

  bool Fill(int value_count) {
    int filled = 0;
    for (const LayoutControl* ctl : FieldsInDialogOrder(entry_.layout())) {
      if (filled++ >= value_count) break;
      if (ctl->control == ControlId::kStringGridPar) return FillGrid();
      if (!Next()) return false;
      if (ctl->integer ? !SetInteger(*ctl, *current_) : !SetText(*ctl, *current_)) return false;
    }
    return AllUsed();
  }

 private:
  bool Next() {
    if (next_ >= values_.size()) {
      messenger_.Show("Значений меньше, чем полей элемента.");
      return false;
    }
    current_ = &values_[next_++];
    return true;
  }

  bool AllUsed() {
    if (next_ == values_.size()) return true;
    messenger_.Show("Значений больше, чем полей элемента.");
    return false;
  }

  bool SetText(const LayoutControl& ctl, const std::string& text) {
    entry_.SetText(ctl.control, text);
    return true;
  }

  bool SetInteger(const LayoutControl& ctl, const std::string& text) {
    const std::optional<int> value = ParseInteger(text);
    if (value) entry_.SetInteger(ctl.control, *value);
    if (!value || entry_.fields().Integer(ctl.control) != *value) {
      messenger_.Show("Недопустимое значение поля «" + std::string(ctl.caption) + "»: " + text);
      return false;
    }
    return true;
  }

  bool FillRow(CoefficientGrid::Row row, int last) {
    for (int i = 0; i <= last; ++i) {
      if (!Next()) return false;
      entry_.SetGridCell(row, entry_.fields().grid.ColumnOfIndex(i), *current_);
    }
    return true;
  }

  // The orders have been set: apply them, then the coefficients.
  bool FillGrid() {
    entry_.Apply();
    const int m = entry_.fields().m;
    const int n = entry_.fields().n;
    return FillRow(CoefficientGrid::kNumeratorRow, m) &&
           FillRow(CoefficientGrid::kDenominatorRow, n) &&
           FillRow(CoefficientGrid::kInitialRow, n - 1) && AllUsed();
  }

  ParameterEntry& entry_;
  const std::vector<std::string>& values_;
  Messenger& messenger_;
  std::size_t next_ = 0;
  const std::string* current_ = nullptr;
};

}  // namespace

int RunSet(const Arguments& args) {
  StreamMessenger messenger(std::cerr, false);
  const std::optional<SetArguments> split = SplitArguments(args);
  if (!split) {
    messenger.Show(kUsage);
    return kExitUsageOrFile;
  }
  BatchDocument batch(messenger);
  Document& document = batch.document;
  if (!document.OpenFile(split->model)) return kExitUsageOrFile;
  const Scheme& scheme = document.scheme();
  const std::optional<int> element = ParseInteger(split->element);
  if (!element || *element < 0 || *element > scheme.ElementCount()) {
    messenger.Show("В схеме нет элемента " + split->element + ".");
    return kExitUsageOrFile;
  }

  // A freshly opened model: the working times are the model's own. The
  // values on the command line are written with a point, whatever the locale.
  ParameterContext context = document.ParameterContextFor();
  context.freq_in_hertz = false;
  context.decimal_separator = '.';
  std::optional<ParameterEntry> entry = ParameterEntry::Open(context, *element);
  if (!entry) return kExitRefused;
  const int value_count = *element == 0 ? 3 : scheme.GetParamCount(*element);
  if (!FieldFiller(*entry, split->values, messenger).Fill(value_count)) return kExitUsageOrFile;
  bool stored = false;
  document.ApplyEdit([&](Scheme&) {
    stored = entry->Accept().close;
    return stored;
  });
  if (!stored) return kExitRefused;

  const std::string& output = split->output.empty() ? split->model : split->output;
  return document.WriteModelTo(output) ? kExitDone : kExitUsageOrFile;
}

}  // namespace kortiv::calc_cli
