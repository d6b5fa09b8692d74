#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/model_file.h"
#include "model/scheme.h"
#include "recording_messenger.h"

namespace kortiv::test {

// One element to place: stored cell, code, orientation and control point.
struct Placed {
  int row;
  int column;
  int code;
  int orientation = 0;
  int control_point = 0;
};

// Appends the elements in order (element numbers follow the list), gives
// every element that takes parameters a block of zeros unless `with_params`
// is false, and counts the control points.
inline void Place(Scheme& scheme, std::initializer_list<Placed> elements, bool with_params = true) {
  for (const Placed& e : elements) {
    const int n = scheme.AppendElement(e.code, e.orientation, {e.row, e.column});
    if (e.control_point > 0) scheme.SetControlPoint(n, e.control_point);
    if (with_params && scheme.GetParamCount(n) > 0) scheme.AllocateParamBlock(n);
  }
  scheme.RecountControlPoints();
}

// An element to place with its parameter values.
struct WithParams {
  Placed placed;
  std::vector<float> values;
};

// Appends an element at a stored cell with a parameter block holding
// `values`; with no values the block has the catalogue's length, all zeros.
inline int AddWithValues(Scheme& scheme, int code, std::vector<float> values, Cell cell) {
  const int n = scheme.AppendElement(code, 0, cell);
  if (!values.empty()) scheme.ResizeParamBlock(n, static_cast<int>(values.size()));
  scheme.AllocateParamBlock(n);
  for (std::size_t i = 0; i < values.size(); ++i) {
    scheme.SetParam(scheme.GetParamAddress(n) + static_cast<int>(i), values[i]);
  }
  return n;
}

// Writes a model file of the elements placed in order with their parameter
// values and the integration parameters 0, h, tk.
inline bool WriteModel(const std::string& path, const std::vector<WithParams>& elements, float h,
                       float tk, const std::string& name = "элементы") {
  RecordingMessenger messages;
  Scheme scheme(messages);
  for (const WithParams& e : elements) {
    Place(scheme, {e.placed});
    const int n = scheme.ElementCount();
    for (std::size_t i = 0; i < e.values.size(); ++i) {
      scheme.SetParam(scheme.GetParamAddress(n) + static_cast<int>(i), e.values[i]);
    }
  }
  scheme.SetParam(0, 0);
  scheme.SetParam(1, h);
  scheme.SetParam(2, tk);
  return WriteModelFile(path, scheme, name);
}

}  // namespace kortiv::test
