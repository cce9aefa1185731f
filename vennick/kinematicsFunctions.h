// The ram motion of a centred slider-crank press. Units: times in s, lengths in mm,
// omega in rad/s; the crank angle theta = omega*t is measured from top dead centre.
// Plain functions: no state, no window. Where the arithmetic leaves the real numbers they
// raise shell::InvalidOperation or shell::DivisionByZero (and shell::Overflow beyond the double
// range); they never return a NaN or an infinity.
#pragma once

namespace kinematicsFunctions {

// The quantity at time t: code 1 the distance from the crank axis down to the ram joint [mm]
// (L - r at top, L + r at bottom dead centre), 2 the velocity [mm/s] (positive on the way down),
// 3 the acceleration [mm/s^2]; any other code 0.0. The rod's vertical extent
// sqrt(L^2 - (r sin theta)^2) is computed first for every code, so a rod shorter than r*|sin theta|
// fails whatever the code.
double kinematicValue(int code, double t, double r, double L, double omega);

// The time after top dead centre, within [0, pi/omega], at which the ram stands deltaH above
// bottom dead centre on its way down. Meaningful for 0 < deltaH <= 2r, L > r, omega > 0;
// omega = 0 divides by zero, and heights that the rod cannot reach fail in the arc cosine.
double timeAtDeltaH(double deltaH, double r, double L, double omega);

}  // namespace kinematicsFunctions
