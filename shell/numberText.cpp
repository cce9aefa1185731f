#include "numberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>

#include "extendedMath.h"

namespace shell {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// 10^k in extended: exact up to 10^27, within an ulp above (powl); infinity past the range.
constexpr int kTableSize = 512;
const std::array<ext, kTableSize>& powersOfTen() {
  static const std::array<ext, kTableSize> table = [] {
    std::array<ext, kTableSize> t{};
    ext p = 1;
    for (int k = 0; k < kTableSize; ++k) {
      t[k] = k <= 27 ? p : std::pow(10.0L, static_cast<ext>(k));
      p *= 10;
    }
    return t;
  }();
  return table;
}

ext powerOfTen(int k) {
  if (k < kTableSize) return powersOfTen()[k];
  return std::pow(10.0L, static_cast<ext>(k));
}

// a * 10^k, dividing for negative k so that short decimal fractions come out correctly rounded.
ext scaleByPowerOfTen(ext a, int k) {
  return k >= 0 ? a * powerOfTen(k) : a / powerOfTen(-k);
}

[[noreturn]] void notAFloat(std::string_view text) {
  throw ConversionFailure("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void notAnInteger(std::string_view text) {
  throw ConversionFailure("'" + std::string(text) + "' is not a valid integer value");
}

// The digits of a number text as one integer. Exact in 64 bits while it fits, which is the same
// as accumulating in extended (whose mantissa holds every 64-bit integer); past that, extended.
struct DigitAccumulator {
  std::uint64_t small = 0;
  ext large = 0;
  bool isLarge = false;

  void add(int digit) {
    if (!isLarge) {
      if (small <= (UINT64_MAX - 9) / 10) {
        small = small * 10 + static_cast<unsigned>(digit);
        return;
      }
      large = static_cast<ext>(small);
      isLarge = true;
    }
    large = large * 10;
    large = large + digit;
  }
  ext value() const { return isLarge ? large : static_cast<ext>(small); }
};

}  // namespace

double parseNumber(std::string_view text, char decimalSeparator) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= n || !(isDigit(text[i]) || text[i] == decimalSeparator)) notAFloat(text);

  DigitAccumulator digits;
  int fractionDigits = 0;
  while (i < n && isDigit(text[i])) digits.add(text[i++] - '0');
  if (i < n && text[i] == decimalSeparator) {
    ++i;
    while (i < n && isDigit(text[i])) {
      digits.add(text[i++] - '0');
      ++fractionDigits;
    }
  }
  int exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    while (i < n && isDigit(text[i])) {
      if (exponent >= 500) notAFloat(text);
      exponent = exponent * 10 + (text[i++] - '0');
    }
    if (negativeExponent) exponent = -exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) notAFloat(text);

  ext value = digits.value();
  if (std::isinf(value)) notAFloat(text);
  if (value != 0) {
    value = scaleByPowerOfTen(value, exponent - fractionDigits);
    if (std::isinf(value)) notAFloat(text);
  }
  return toDouble(negative ? -value : value);
}

std::int32_t parseWholeNumber(std::string_view text) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && text[i + 1] == 'x') {
    hex = true;
    i += 2;
  }
  const std::uint64_t limit = hex ? 0xFFFFFFFFULL : (negative ? 2147483648ULL : 2147483647ULL);
  std::uint64_t value = 0;
  std::size_t digitCount = 0;
  for (; i < n; ++i, ++digitCount) {
    const char c = text[i];
    int d;
    if (isDigit(c)) d = c - '0';
    else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else notAnInteger(text);
    value = value * (hex ? 16 : 10) + static_cast<unsigned>(d);
    if (value > limit) notAnInteger(text);
  }
  if (digitCount == 0) notAnInteger(text);
  // Hexadecimal digits give the 32-bit pattern; decimal ones were range-checked above.
  const auto magnitude = static_cast<std::uint32_t>(value);
  const std::uint32_t bits = negative ? 0U - magnitude : magnitude;
  return static_cast<std::int32_t>(bits);
}

double roundTo(double value, int places) {
  static const std::array<double, 16> steps = [] {
    std::array<double, 16> s{};
    for (int k = 0; k < 16; ++k) s[k] = static_cast<double>(1.0L / powerOfTen(k));
    return s;
  }();
  // Places outside 0..15 are not used by the programs; they still round sensibly.
  const double step = places >= 0 && places < 16 ? steps[places]
                      : places < 0              ? toDouble(powerOfTen(-places))
                                                : toDouble(1.0L / powerOfTen(places));
  const std::int64_t quotient = toInt64(divide(value, step));
  return toDouble(static_cast<ext>(quotient) * step);
}

std::string formatNumber(double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";

  // 18 significant digits: N = |value| * 10^(17 - E), 10^17 <= N < 10^18, E = floor(log10|value|).
  const ext magnitude = std::fabs(static_cast<ext>(value));
  // The exponent that frexp gives, read from the bits for normal values (frexp is a call).
  const auto bits = std::bit_cast<std::uint64_t>(value);
  int binaryExponent = static_cast<int>((bits >> 52) & 0x7FF) - 1022;
  if (binaryExponent == -1022) std::frexp(value, &binaryExponent);  // denormal
  int E = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398119521));
  ext scaled = scaleByPowerOfTen(magnitude, 17 - E);
  if (scaled >= 1e18L) scaled = scaleByPowerOfTen(magnitude, 17 - ++E);
  // scaled < 10^18 + 1, well inside the int64 range.
  std::uint64_t N = static_cast<std::uint64_t>(detail::nearestInt64(scaled));
  if (N >= 1000000000000000000ULL) {
    N = 100000000000000000ULL;
    ++E;
  }
  // Cut to 15 digits, the 16th deciding; the carry through 9s can add a digit.
  std::uint64_t digits15 = N / 1000;
  if ((N / 100) % 10 >= 5) ++digits15;
  if (digits15 >= 1000000000000000ULL) {
    digits15 /= 10;
    ++E;
  }
  // Two digits per division, from the right.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char digitBuffer[15];
  int count = 15;
  for (int k = 13; k > 0; k -= 2) {
    const auto pair = static_cast<unsigned>(digits15 % 100);
    digits15 /= 100;
    digitBuffer[k] = kPairs[2 * pair];
    digitBuffer[k + 1] = kPairs[2 * pair + 1];
  }
  digitBuffer[0] = static_cast<char>('0' + digits15);
  while (count > 1 && digitBuffer[count - 1] == '0') --count;

  const int e = E + 1;  // value = 0.d1d2... * 10^e
  // Built in a local buffer and copied once: most results fit the string's own short buffer, so
  // formatting a number allocates nothing. The longest result, "-0.000" and 15 digits, is 21.
  char out[32];
  char* p = out;
  if (value < 0) *p++ = '-';
  if (e > 15 || e < -3) {
    *p++ = digitBuffer[0];
    if (count > 1) {
      *p++ = decimalSeparator;
      p = std::copy(digitBuffer + 1, digitBuffer + count, p);
    }
    *p++ = 'E';
    int x = e - 1;
    if (x < 0) {
      *p++ = '-';
      x = -x;
    }
    p = std::to_chars(p, out + sizeof out, x).ptr;
  } else if (e > 0) {
    for (int k = 0; k < e; ++k) *p++ = k < count ? digitBuffer[k] : '0';
    if (count > e) {
      *p++ = decimalSeparator;
      p = std::copy(digitBuffer + e, digitBuffer + count, p);
    }
  } else {
    *p++ = '0';
    *p++ = decimalSeparator;
    p = std::fill_n(p, -e, '0');
    p = std::copy(digitBuffer, digitBuffer + count, p);
  }
  return std::string(out, p);
}

std::string formatRounded(double value, int places, char decimalSeparator) {
  return formatNumber(roundTo(value, places), decimalSeparator);
}

}  // namespace shell
