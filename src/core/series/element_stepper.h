#pragma once

namespace kortiv {

// An element evaluated one point at a time inside a feedback contour: for
// i = 0, 1, 2, ... in turn, Step(i) computes output point i from input
// points 0..i and the element's state at point i - 1. Only elements whose
// point i comes from inputs up to i, by the same formula whatever the last
// point of a whole-series call, have one: for them the steps give the very
// values (and divergence reports) that re-running the series from point 0
// at every point gives.
class ElementStepper {
 public:
  virtual ~ElementStepper() = default;
  virtual void Step(int i) = 0;
};

}  // namespace kortiv
