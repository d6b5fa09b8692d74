#pragma once

#include "params/parameter_fields.h"
#include "params/time_scale_stats.h"
#include "params/working_times.h"

namespace kortiv {

class Messenger;

// The field the first error of a check was about: a control, and for the
// coefficient grid the row and index of the coefficient.
struct RefusedField {
  ControlId control = ControlId::kTxtPar1;
  int grid_row = -1;
  int grid_index = -1;
  bool operator==(const RefusedField&) const = default;
};

// Checks the converted field values of a code (0: the integration
// parameters) before they are stored. Every finding is one message, in a
// fixed order; errors make the answer false, warnings only inform. The
// checks of time-dependent kinds measure against the run's working times
// and widen the time-scale statistics, which the check of the integration
// parameters warns against. `refused`, when given, receives the field of the
// first error.
bool ValidateParameters(int code, const FieldNumbers& values, const WorkingTimes& times,
                        TimeScaleStats& stats, Messenger& messenger,
                        RefusedField* refused = nullptr);

}  // namespace kortiv
