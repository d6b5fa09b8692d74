#pragma once

namespace kortiv {

// The run's working copy of the integration parameters: the values last
// accepted in the integration-parameter dialog or used by the last run.
// Validation of time-dependent parameters measures against it.
struct WorkingTimes {
  float t0 = 0.0f;
  float h = 0.01f;
  float tk = 5.0f;
};

}  // namespace kortiv
