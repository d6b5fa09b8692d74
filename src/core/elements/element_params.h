#pragma once

#include "model/scheme.h"

namespace kortiv {

// An element's parameter block as the models read it: value i is the i-th
// float from the element's parameter address.
class ElementParams {
 public:
  ElementParams(const Scheme& scheme, int element) : scheme_(scheme), element_(element) {}
  float operator[](int i) const { return scheme_.ElementParam(element_, i); }

 private:
  const Scheme& scheme_;
  int element_;
};

}  // namespace kortiv
