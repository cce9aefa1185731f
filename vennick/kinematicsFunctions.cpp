#include "kinematicsFunctions.h"

#include <cmath>

#include "extendedMath.h"

namespace kinematicsFunctions {

using shell::ext;

double kinematicValue(int code, double t, double r, double L, double omega) {
  const ext rr = r;
  const ext theta = shell::multiply(omega, t);
  const ext sinTheta = std::sin(theta);
  const ext crankHeight = rr * sinTheta;
  const ext f = shell::squareRoot(static_cast<ext>(L) * L - crankHeight * crankHeight);

  switch (code) {
    case 1:
      return shell::toDouble(f - rr * std::cos(theta));
    case 2: {
      const ext w = omega;
      const ext correction = shell::divide(0.5L * rr * rr * w * std::sin(2 * theta), f);
      return shell::toDouble(rr * w * sinTheta - correction);
    }
    case 3: {
      const ext w = omega;
      const ext twoTheta = 2 * theta;
      const ext half = rr * w / 2;
      const ext ratio = shell::divide(rr * std::sin(twoTheta), f);
      const ext correction = shell::divide(half * half * (ratio * ratio + 4 * std::cos(twoTheta)), f);
      return shell::toDouble(rr * w * w * std::cos(theta) - correction);
    }
    default:
      return 0.0;
  }
}

double timeAtDeltaH(double deltaH, double r, double L, double omega) {
  const ext rr = r;
  const ext LL = L;
  const ext s = LL + rr - deltaH;
  // Law of cosines in the triangle crank axis, crank pin, ram joint: c = cos theta.
  const ext c = shell::divide(LL * LL - s * s - rr * rr, 2 * s * rr);
  return shell::toDouble(shell::divide(shell::arcCosine(c), omega));
}

}  // namespace kinematicsFunctions
