#pragma once
// Bar stock sizing: the rod (a cylindrical bar) that holds a volume and whose length stays
// within a requested multiple of its diameter, so that it does not buckle while upset.
// Lengths in mm, volumes in mm^3. Pure functions: intermediates in extended precision, results
// stored as doubles; a zero divisor raises shell::DivisionByZero, or shell::InvalidOperation
// when the dividend is 0 too. Nothing is checked beyond what the arithmetic itself raises.
#include <cstdint>

namespace rodCalculation {

// Rod type codes of the two diameter series; any other code selects none.
inline constexpr std::int32_t kEn10060 = 10060;
inline constexpr std::int32_t kEn10278 = 10278;

// Diameter Dc of a cylinder of volume Ve whose length is lambdaR times its diameter:
// (4*Ve / (pi*lambdaR))^(1/3). Ve = 0 gives 0; lambdaR = 0 fails.
double cylinderDiameter(double Ve, double lambdaR);

// The smallest diameter of the series strictly greater than Dc, from the row (lower, upper) of
// consecutive table values with lower <= Dc < upper. 0 when Dc is below the first or at or above
// the last diameter, when Dc is a NaN, or for a code other than kEn10060 and kEn10278.
double standardDiameter(std::int32_t rodTypeCode, double Dc);

// Length L of a rod of diameter D holding Ve: Ve / (pi*(D/2)^2). D = 0 fails.
double rodLength(double Ve, double D);

// Upsetting ratio L / D. D = 0 fails.
double upsettingRatio(double D, double L);

// Volume of a rod of diameter D and length L: ((D/2)^2*pi)*L.
double rodVolume(double D, double L);

}  // namespace rodCalculation
