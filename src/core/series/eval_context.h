#pragma once

#include "series/run_state.h"

namespace kortiv {

class Messenger;
class Scheme;
struct UserSettings;

// What an element model sees during a run: the scheme (its parameters),
// the run state (moments, N, flags), the user's numerical methods and the
// messenger for its errors.
struct EvalContext {
  const Scheme& scheme;
  RunState& run;
  const UserSettings& settings;
  Messenger& messenger;
};

}  // namespace kortiv
