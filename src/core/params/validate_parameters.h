#pragma once

#include "params/parameter_fields.h"
#include "params/time_scale_stats.h"
#include "params/working_times.h"

namespace kortiv {

class Messenger;

// Checks the converted field values of a code (0: the integration
// parameters) before they are stored. Every finding is one message, in a
// fixed order; errors make the answer false, warnings only inform. The
// checks of time-dependent kinds measure against the run's working times
// and widen the time-scale statistics, which the check of the integration
// parameters warns against.
bool ValidateParameters(int code, const FieldNumbers& values, const WorkingTimes& times,
                        TimeScaleStats& stats, Messenger& messenger);

}  // namespace kortiv
