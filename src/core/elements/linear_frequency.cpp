#include "elements/linear_frequency.h"

#include <cmath>

namespace kortiv {

FrequencyFactor LinearFrequencyFactor(int code, const ElementParams& p, float w) {
  using C = std::complex<double>;
  auto q = [&p](int i) { return static_cast<double>(p[i]); };
  const C jw(0.0, w);
  switch (code) {
    case 200:
      return C(q(0));
    case 201:
      return 1.0 / (jw * q(0));
    case 202:
      return jw * q(0);
    case 203:
      return C(std::cos(w * q(0)), -std::sin(w * q(0)));
    case 204:
      return q(0) / (1.0 + jw * q(1));
    case 205:
      return q(0) * (1.0 + jw * q(1));
    case 206:
      return jw * q(0) / (1.0 + jw * q(1));
    case 207:
      return q(0) * (1.0 + jw * q(1)) / (1.0 + jw * q(2));
    case 208:
      return q(0) / (jw * (1.0 + jw * q(1)));
    case 209: {
      // Formed at full precision, then held and tested as a float.
      const float denominator = static_cast<float>(1.0 - q(1) * q(1) * w * w);
      if (denominator == 0.0f) return std::nullopt;
      return C(q(0) / denominator);
    }
    case 210:
      return q(0) / C(1.0 - q(1) * q(2) * w * w, w * (q(1) + q(2)));
    case 211: {
      // Without damping it is the conservative element, resonance and all.
      const double damping = 2.0 * q(1) * q(2) * w;
      if (damping == 0.0 && static_cast<float>(1.0 - q(1) * q(1) * w * w) == 0.0f) {
        return std::nullopt;
      }
      return q(0) / C(1.0 - q(1) * q(1) * w * w, damping);
    }
    case 213:
      return C(q(0), q(2) * w - 1.0 / (q(1) * w));
    case 214:
      return C(q(0), q(0) * q(2) * w - q(0) / (q(1) * w));
    default:
      return C(0.0);
  }
}

}  // namespace kortiv
