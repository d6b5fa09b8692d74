#pragma once

namespace kortiv {

// The time scales met in the parameters entered since the program started:
// characteristic times and delays. Validation of an element widens them;
// nothing narrows them (not a new model, not deleting elements), so the
// check of the integration parameters can warn about every value entered.
struct TimeScaleStats {
  float MinCharTime = 0.0f;
  float MaxCharTime = 0.0f;
  float MinDelay = 0.0f;
  float MaxDelay = 0.0f;

  void NoteCharTime(float v) { NoteTime(MaxCharTime, MinCharTime, v); }
  void NoteDelay(float v) { NoteTime(MaxDelay, MinDelay, v); }

  // Feeds v into a (max, min) pair. The minimum follows the maximum while it
  // is not positive, so the first value fed sets both.
  static void NoteTime(float& max, float& min, float v);
};

}  // namespace kortiv
