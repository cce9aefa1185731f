#include "kinematicsFunctions.h"

#include <cmath>

#include "extendedMath.h"

namespace kinematicsFunctions {

using shell::ext;

namespace {
// The vertical extent of the connecting rod, sqrt(L^2 - (r sin theta)^2) [mm]; a rod shorter than
// r*|sin theta| is an invalid operation.
ext rootTerm(ext r, ext L, ext sinTheta) {
  const ext crankHeight = r * sinTheta;
  return shell::squareRoot(L * L - crankHeight * crankHeight);
}
}  // namespace

// Each code takes its own sines and cosines, so that the velocity, which needs no cos(theta),
// does not pay for one (the compiler fuses a sine and a cosine of one angle into one call).
double kinematicValue(int code, double t, double r, double L, double omega) {
  const ext rr = r;
  const ext w = omega;
  const ext theta = shell::multiply(omega, t);

  switch (code) {
    case 1: {
      const ext f = rootTerm(rr, L, std::sin(theta));
      return shell::toDouble(f - rr * std::cos(theta));
    }
    case 2: {
      const ext sinTheta = std::sin(theta);
      const ext f = rootTerm(rr, L, sinTheta);
      const ext correction = shell::divide(0.5L * rr * rr * w * std::sin(2 * theta), f);
      return shell::toDouble(rr * w * sinTheta - correction);
    }
    case 3: {
      const ext f = rootTerm(rr, L, std::sin(theta));
      const ext twoTheta = 2 * theta;
      const ext half = rr * w / 2;
      const ext ratio = shell::divide(rr * std::sin(twoTheta), f);
      const ext correction = shell::divide(half * half * (ratio * ratio + 4 * std::cos(twoTheta)), f);
      return shell::toDouble(rr * w * w * std::cos(theta) - correction);
    }
    default:
      rootTerm(rr, L, std::sin(theta));  // fails for a rod that cannot reach, whatever the code
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
