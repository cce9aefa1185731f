// Round-then-format of arbitrary finite doubles at 0..15 places: the rounding either succeeds or
// raises the invalid-operation failure; the text has at most 15 significant digits, is never
// NaN or INF, and parses back to a value that formats to the same text.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "floatFailures.h"
#include "fuzzCheck.h"
#include "numberText.h"

namespace {
int significantDigits(const std::string& text) {
  int count = 0;
  bool leading = true;
  for (char c : text) {
    if (c == 'E') break;
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++count;
  }
  return count;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 9) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) return 0;
  const int places = data[8] % 16;
  const char sep = (data[8] & 16) ? ',' : '.';

  for (const bool rounded : {false, true}) {
    double shownValue = value;
    if (rounded) {
      try {
        shownValue = shell::roundTo(value, places);
      } catch (const shell::InvalidOperation&) {
        FUZZ_CHECK(std::fabs(value) >= 9.2e18 / std::pow(10.0, places), "%.17g failed to round to %d places",
                   value, places);
        continue;
      }
      FUZZ_CHECK(std::isfinite(shownValue), "%.17g rounded to a non-finite value", value);
    }
    const std::string text = shell::formatNumber(shownValue, sep);
    FUZZ_CHECK(text.find("NAN") == std::string::npos && text.find("INF") == std::string::npos, "%s", text.c_str());
    FUZZ_CHECK(significantDigits(text) <= 15, "%.17g -> '%s'", shownValue, text.c_str());
    double back = 0;
    try {
      back = shell::parseNumber(text, sep);
    } catch (const shell::Overflow&) {
      // 15 digits of the largest doubles round up past the double range.
      FUZZ_CHECK(std::fabs(shownValue) > 1.797693134862315e308, "'%s' overflows", text.c_str());
      continue;
    } catch (const std::exception& failure) {
      FUZZ_CHECK(false, "'%s' does not parse back: %s", text.c_str(), failure.what());
    }
    const std::string again = shell::formatNumber(back, sep);
    FUZZ_CHECK(again == text, "%.17g -> '%s' -> '%s'", shownValue, text.c_str(), again.c_str());
  }
  return 0;
}
