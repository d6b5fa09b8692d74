#pragma once

#ifdef KORTIV_CALC_WITH_DRAW

#include "draw/scheme_picture.h"

namespace kortiv::calc_cli {

// The smallest editor field that shows every element from the window's top
// left cell; the largest when none does.
SchemeWindow FittingWindow(const Scheme& scheme);

}  // namespace kortiv::calc_cli

#endif
