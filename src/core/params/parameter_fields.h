#pragma once

#include <array>
#include <string>
#include <vector>

#include "params/coefficient_grid.h"
#include "params/parameter_layout.h"

namespace kortiv {

class Messenger;

// What the dialog's controls hold: the texts as typed, the spin edits, the
// radio groups and the coefficient grid.
struct ParameterFields {
  std::array<std::string, 5> texts;  // txtPar1..txtPar4, txtAux1
  int m = 0;                         // cseM
  int n = 0;                         // cseN
  int p = 0;                         // cseP
  int view = 0;                      // rgView item
  int scale = 0;                     // rgScale item
  CoefficientGrid grid;

  std::string& Text(ControlId id) { return texts[TextSlot(id)]; }
  const std::string& Text(ControlId id) const { return texts[TextSlot(id)]; }
  // The spin edit or radio group `id`.
  int Integer(ControlId id) const;
  void SetInteger(ControlId id, int value);

  static bool IsText(ControlId id) { return static_cast<int>(id) <= TextSlot(ControlId::kTxtAux1); }
  static int TextSlot(ControlId id) { return static_cast<int>(id); }

 private:
  template <class Fields>
  static auto* IntegerSlot(Fields* fields, ControlId id) {
    switch (id) {
      case ControlId::kCseM:
        return &fields->m;
      case ControlId::kCseN:
        return &fields->n;
      case ControlId::kCseP:
        return &fields->p;
      case ControlId::kRgView:
        return &fields->view;
      default:
        return &fields->scale;
    }
  }
};

inline int ParameterFields::Integer(ControlId id) const {
  return *IntegerSlot(this, id);
}
inline void ParameterFields::SetInteger(ControlId id, int value) {
  *IntegerSlot(this, id) = value;
}

// The fields converted to numbers. Text fields that the layout does not
// edit stay 0; b, a and y hold the grid's b_0..b_m, a_0..a_n and
// y(0)..y^(n-1)(0).
struct FieldNumbers {
  std::array<float, 5> texts{};  // txtPar1..txtPar4, txtAux1
  int m = 0;
  int n = 0;
  int p = 0;
  int view = 0;
  int scale = 0;
  std::vector<float> b;
  std::vector<float> a;
  std::vector<float> y;
  // The texts that were not numbers (their values above are 0), each
  // reported when it is read: by the checks, and again by the storing.
  std::array<bool, 5> text_failed{};
  std::vector<bool> b_failed;
  std::vector<bool> a_failed;
  std::vector<bool> y_failed;
  int failures = 0;

  float Text(ControlId id) const { return texts[ParameterFields::TextSlot(id)]; }
  bool TextFailed(ControlId id) const { return text_failed[ParameterFields::TextSlot(id)]; }
};

// Converts every editable text of the layout and the grid, without a word
// about the texts that are not numbers.
FieldNumbers ConvertFields(const ParameterLayout& layout, const ParameterFields& fields);

// Reports every text that was not a number, as the storing of all fields
// meets them; answers whether there was one.
bool ReportFailures(const FieldNumbers& numbers, Messenger& messenger);

}  // namespace kortiv
