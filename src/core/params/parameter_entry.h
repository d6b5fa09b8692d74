#pragma once

#include <array>
#include <optional>
#include <string>

#include "params/parameter_fields.h"
#include "params/parameter_layout.h"
#include "params/time_scale_stats.h"
#include "params/validate_parameters.h"
#include "params/working_times.h"

namespace kortiv {

class Messenger;
class Scheme;

// What the parameter dialog works on besides its own fields.
struct ParameterContext {
  Scheme& scheme;
  WorkingTimes& times;    // replaced when the integration parameters are accepted
  TimeScaleStats& stats;  // widened by every validation
  Messenger& messenger;
  bool freq_in_hertz = false;    // the user's frequency unit, for the sweep generator's captions
  char decimal_separator = '.';  // of the numbers shown in the fields
};

// What an accepted dialog did.
struct AcceptOutcome {
  bool close = false;            // every value was converted and stored
  bool model_changed = false;    // the model is changed; shown results no longer fit it
  bool block_allocated = false;  // the element got its first block (its missing mark goes)
};

inline constexpr std::string_view kOrdersPendingText =
    "Величины n и/или m были изменены, но не активизированы! Сохранение прервано. Для "
    "активизации используйте кнопку 'Применить n и m'.";

// The parameter dialog without its widgets: the layout of the code, the
// field values, the state of cmdApply, and the accept and apply rules. The
// widgets show layout() and fields() and report every change back.
class ParameterEntry {
 public:
  // Opens for element `element`, or for the integration parameters when it
  // is 0. A code without a layout is reported and gives nothing.
  static std::optional<ParameterEntry> Open(const ParameterContext& context, int element);

  int element() const { return element_; }
  int code() const { return code_; }
  const std::string& name() const { return name_; }  // lblNameMod
  const ParameterLayout& layout() const { return layout_; }
  const ParameterFields& fields() const { return fields_; }
  bool ApplyEnabled() const { return apply_enabled_; }
  bool OrdersPending() const { return orders_pending_; }
  // The field the last refused Accept or Apply was about: the first text
  // that was not a number, or the field of the first error. Nothing after
  // the pending-orders message or a success.
  const std::optional<RefusedField>& Refused() const { return refused_; }

  // Typing in a text field.
  void SetText(ControlId id, std::string text);
  // A spin edit (kept within its limits) or a radio group (kept among its items).
  void SetInteger(ControlId id, int value);
  // Typing in a cell of the coefficient grid.
  void SetGridCell(int row, int column, std::string text);

  // cmdApplyClick: rebuilds the grid of the general element, or validates
  // and recalculates the derived quantity.
  void Apply();
  // cmdOKClick: validates and stores. Nothing is stored unless every field
  // converts to a number.
  AcceptOutcome Accept();

 private:
  ParameterEntry(const ParameterContext& context, int element, int code, ParameterLayout layout);

  bool Integration() const { return element_ == 0; }
  void Changed(ControlId id);
  // ValidateParameters, keeping the field a refusal was about.
  bool Validate(const FieldNumbers& numbers);
  static RefusedField FirstFailure(const FieldNumbers& numbers);
  void Fill();
  std::vector<float> StoredOrDefaultValues() const;
  void FillGrid(const std::vector<float>& values, bool stored);
  void PutInteger(ControlId id, int value);
  std::string Format(float value) const;
  int PrepareBlock(int count, AcceptOutcome& outcome);
  std::vector<float> BlockValues(const FieldNumbers& numbers) const;
  std::array<float, 5> DerivedInputs() const;

  ParameterContext context_;
  int element_;
  int code_;
  std::string name_;
  ParameterLayout layout_;
  ParameterFields fields_;
  bool apply_enabled_ = false;
  bool orders_pending_ = false;
  std::optional<RefusedField> refused_;
};

}  // namespace kortiv
