#include "extendedMath.h"

#include <cmath>

namespace shell {

namespace detail {
void raiseInvalidOperation() { throw InvalidOperation(); }
void raiseDivisionByZero() { throw DivisionByZero(); }
void raiseOverflow() { throw Overflow(); }
}  // namespace detail

using detail::checked;

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

}  // namespace shell
