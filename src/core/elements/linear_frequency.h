#pragma once

#include "elements/element_params.h"
#include "elements/frequency_gain.h"

namespace kortiv {

// W(jw) of a built-in linear element (every code of 200..214 but 212) at the
// angular frequency w; empty where the conservative element 209 resonates.
FrequencyFactor LinearFrequencyFactor(int code, const ElementParams& p, float w);

}  // namespace kortiv
