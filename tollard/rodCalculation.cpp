#include "rodCalculation.h"

#include <array>
#include <cstddef>

#include "extendedMath.h"

namespace rodCalculation {

namespace {

using shell::ext;

// Standard bar diameters in mm, strictly ascending.
constexpr std::array<double, 68> kEn10060Diameters = {
    6,   8,   9,   10,  12,  14,  15,  16,  18,  20,  22,  24,  25,  26,  28,  30,  32,
    35,  36,  38,  40,  42,  45,  46,  48,  50,  52,  55,  58,  60,  62,  65,  70,  72,
    73,  75,  78,  80,  85,  90,  95,  100, 105, 110, 115, 120, 125, 130, 135, 140, 150,
    160, 170, 180, 190, 200, 210, 220, 230, 240, 250, 260, 270, 280, 290, 300, 310, 320};

constexpr std::array<double, 59> kEn10278Diameters = {
    2,  3,  4,  4.5, 5,  5.9, 6,  7,  8,  9,  10, 10.5, 11, 12, 13, 13.2, 14, 15, 16, 16.1,
    16.2, 17, 17.8, 18, 19, 20, 21, 22, 23, 24, 25, 26, 26.5, 27, 28, 29, 30, 31, 32, 33,
    34, 35, 36, 38, 40, 42, 44, 45, 46, 48, 50, 52, 55, 56, 58, 60, 63, 65, 75};

template <std::size_t N>
double nextDiameter(const std::array<double, N>& table, double Dc) {
  // Rows are the consecutive pairs of the table; a NaN fails both comparisons.
  for (std::size_t i = 0; i + 1 < N; ++i)
    if (table[i] <= Dc && Dc < table[i + 1]) return table[i + 1];
  return 0;
}

// (D/2)^2 * pi, the cross-section of a rod of diameter D.
ext crossSection(double D) {
  const ext t = shell::divide(D, 2);
  return shell::multiply(shell::power(t, 2), shell::kPi);
}

}  // namespace

double cylinderDiameter(double Ve, double lambdaR) {
  const ext a = shell::multiply(4, Ve);
  const ext b = shell::multiply(shell::kPi, lambdaR);
  const ext q = shell::divide(a, b);
  return shell::toDouble(shell::power(q, shell::kOneThird));
}

double standardDiameter(std::int32_t rodTypeCode, double Dc) {
  switch (rodTypeCode) {
    case kEn10060: return nextDiameter(kEn10060Diameters, Dc);
    case kEn10278: return nextDiameter(kEn10278Diameters, Dc);
    default: return 0;
  }
}

double rodLength(double Ve, double D) { return shell::toDouble(shell::divide(Ve, crossSection(D))); }

double upsettingRatio(double D, double L) { return shell::toDouble(shell::divide(L, D)); }

double rodVolume(double D, double L) { return shell::toDouble(shell::multiply(crossSection(D), L)); }

}  // namespace rodCalculation
