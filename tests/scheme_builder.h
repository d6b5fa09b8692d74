#pragma once

#include <initializer_list>

#include "model/scheme.h"

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

}  // namespace kortiv::test
