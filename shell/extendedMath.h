#pragma once
// Checked arithmetic in the x87 extended format (64-bit mantissa, ties to even).
// Every function raises InvalidOperation, DivisionByZero or Overflow where the result would
// leave the real numbers or the double range; none returns a NaN or an infinity.
// Underflow is quiet: tiny results become denormals or zero.
#include <cmath>
#include <cstdint>
#include <limits>

#include "floatFailures.h"

namespace shell {

using ext = long double;
static_assert(std::numeric_limits<ext>::digits == 64, "the x87 extended format is required");

// pi and one third, each the extended value nearest the real number.
inline constexpr ext kPi = 3.14159265358979323846264338327950288L;
inline constexpr ext kOneThird = 1.0L / 3.0L;

// The operations on the hot paths (every number written, every sampled value) are defined
// inline below, so that a call does not pass extended values through memory; the raising of a
// failure stays out of line.
namespace detail {
[[noreturn]] void raiseInvalidOperation();
[[noreturn]] void raiseDivisionByZero();
[[noreturn]] void raiseOverflow();
// Every result passes through here: a NaN means an invalid operation, an infinity an overflow.
inline ext checked(ext r) {
  if (std::isnan(r)) raiseInvalidOperation();
  if (std::isinf(r)) raiseOverflow();
  return r;
}
// The nearest integer of x (ties to even, the rounding mode is never changed) as an int64, for
// |x| < 2^63. One fistp on x87: a C++ cast truncates, which makes the compiler switch the x87
// rounding mode twice around it (fldcw), several times slower than the whole division before it.
inline std::int64_t nearestInt64(ext x) {
#if defined(__x86_64__) || defined(__i386__)
  std::int64_t out;
  asm("fistpll %0" : "=m"(out) : "t"(x) : "st");
  return out;
#else
  return static_cast<std::int64_t>(std::rint(x));
#endif
}
}  // namespace detail

// a / b. b = 0: DivisionByZero, or InvalidOperation when a is 0 too. A quotient beyond the
// extended range: Overflow.
inline ext divide(ext a, ext b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) detail::raiseInvalidOperation();
    detail::raiseDivisionByZero();
  }
  return detail::checked(a / b);
}
inline ext multiply(ext a, ext b) { return detail::checked(a * b); }

// Square root; a negative operand (not -0) is InvalidOperation.
inline ext squareRoot(ext x) {
  if (x < 0 || std::isnan(x)) detail::raiseInvalidOperation();
  return std::sqrt(x);
}
// Natural logarithm; x < 0: InvalidOperation, x = 0: DivisionByZero.
ext logarithm(ext x);
// e^x; a result beyond the extended range: Overflow. Underflow is quiet.
ext exponential(ext x);
// Principal arc cosine in [0, pi]; |x| > 1: InvalidOperation.
ext arcCosine(ext x);

// Power(base, exponent) by the rule, in this order: exponent 0 gives 1; base 0 with a positive
// exponent gives 0; an integral exponent of at most 2147483647 in magnitude is done by repeated
// squaring and multiplying (exponent 2 is base*base); any other exponent is
// exp(exponent*ln(base)), so a negative base with a fractional exponent is InvalidOperation.
ext power(ext base, ext exponent);

// The nearest integer, ties to even, as a signed 64-bit integer; out of range: InvalidOperation.
inline std::int64_t toInt64(ext x) {
  // In range exactly when -2^63 <= x < 2^63 - 1/2 (2^63 - 1/2 is a tie that goes to the even
  // 2^63; no extended value lies between -2^63 - 1 and -2^63). A NaN fails the test as well.
  if (!(x >= -0x1p63L && x < 0x1p63L - 0.5L)) detail::raiseInvalidOperation();
  return detail::nearestInt64(x);
}

// Stores an extended value as a double (nearest, ties to even). Beyond the double range:
// Overflow; a NaN: InvalidOperation. Results below the smallest double become denormals or 0.
inline double toDouble(ext x) {
  if (std::isnan(x)) detail::raiseInvalidOperation();
  const double d = static_cast<double>(x);
  if (std::isinf(d)) detail::raiseOverflow();
  return d;
}

}  // namespace shell
