#pragma once
// Checked arithmetic in the x87 extended format (64-bit mantissa, ties to even).
// Every function raises InvalidOperation, DivisionByZero or Overflow where the result would
// leave the real numbers or the double range; none returns a NaN or an infinity.
// Underflow is quiet: tiny results become denormals or zero.
#include <cstdint>
#include <limits>

#include "floatFailures.h"

namespace shell {

using ext = long double;
static_assert(std::numeric_limits<ext>::digits == 64, "the x87 extended format is required");

// pi and one third, each the extended value nearest the real number.
inline constexpr ext kPi = 3.14159265358979323846264338327950288L;
inline constexpr ext kOneThird = 1.0L / 3.0L;

// a / b. b = 0: DivisionByZero, or InvalidOperation when a is 0 too. A quotient beyond the
// extended range: Overflow.
ext divide(ext a, ext b);
ext multiply(ext a, ext b);

// Square root; a negative operand (not -0) is InvalidOperation.
ext squareRoot(ext x);
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
std::int64_t toInt64(ext x);

// Stores an extended value as a double (nearest, ties to even). Beyond the double range:
// Overflow; a NaN: InvalidOperation. Results below the smallest double become denormals or 0.
double toDouble(ext x);

}  // namespace shell
