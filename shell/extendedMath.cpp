#include "extendedMath.h"

#include <cmath>

namespace shell {

namespace {
// Every result passes through here: a NaN means an invalid operation, an infinity an overflow.
ext checked(ext r) {
  if (std::isnan(r)) throw InvalidOperation();
  if (std::isinf(r)) throw Overflow();
  return r;
}
}  // namespace

ext divide(ext a, ext b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) throw InvalidOperation();
    throw DivisionByZero();
  }
  return checked(a / b);
}

ext multiply(ext a, ext b) { return checked(a * b); }

ext squareRoot(ext x) {
  if (x < 0 || std::isnan(x)) throw InvalidOperation();
  return std::sqrt(x);
}

ext logarithm(ext x) {
  if (x < 0 || std::isnan(x)) throw InvalidOperation();
  if (x == 0) throw DivisionByZero();
  return checked(std::log(x));
}

ext exponential(ext x) { return checked(std::exp(checked(x))); }

ext arcCosine(ext x) {
  if (!(x >= -1 && x <= 1)) throw InvalidOperation();
  return std::acos(x);
}

ext power(ext base, ext exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  if (std::fabs(exponent) <= 2147483647.0L && exponent == std::trunc(exponent)) {
    auto n = static_cast<std::int64_t>(exponent);
    const bool negative = n < 0;
    std::uint64_t k = negative ? static_cast<std::uint64_t>(-n) : static_cast<std::uint64_t>(n);
    ext result = 1;
    ext square = base;
    // Repeated squaring: for 2 this is exactly base*base.
    bool first = true;
    while (k != 0) {
      if (k & 1U) {
        result = first ? square : multiply(result, square);
        first = false;
      }
      k >>= 1U;
      if (k != 0) square = multiply(square, square);
    }
    return negative ? divide(1, result) : result;
  }
  return exponential(multiply(exponent, logarithm(base)));
}

std::int64_t toInt64(ext x) {
  // The rounding mode is never changed: ties to even. rint, not nearbyint: the two differ only
  // in the inexact flag, which nothing reads, and nearbyint saves and restores the whole
  // floating-point environment on every call (about 15 times slower; it is on the hot path of
  // every number written).
  const ext r = std::rint(x);
  if (!(r >= -0x1p63L && r < 0x1p63L)) throw InvalidOperation();
  return static_cast<std::int64_t>(r);
}

double toDouble(ext x) {
  if (std::isnan(x)) throw InvalidOperation();
  const double d = static_cast<double>(x);
  if (std::isinf(d)) throw Overflow();
  return d;
}

}  // namespace shell
