// Number text parsing under '.' and ',': a text either reads as a finite double or raises exactly
// the conversion failure or the overflow failure. Whatever it reads as formats to a text that
// parses back to a value with the same text.
#include <cmath>
#include <cstdint>
#include <string>

#include "floatFailures.h"
#include "fuzzCheck.h"
#include "numberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char sep = (data[0] & 1) ? ',' : '.';
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  double value = 0;
  try {
    value = shell::parseNumber(text, sep);
  } catch (const shell::ConversionFailure& failure) {
    // what() is a C string: a NUL in the text ends it there.
    const std::string expected = "'" + text + "' is not a valid floating point value";
    FUZZ_CHECK(std::string(failure.what()) == expected.c_str(), "%s",
               failure.what());
    return 0;
  } catch (const shell::Overflow&) {
    return 0;
  }
  FUZZ_CHECK(std::isfinite(value), "'%s' read as a non-finite value", text.c_str());
  const std::string shown = shell::formatNumber(value, sep);
  try {
    const std::string again = shell::formatNumber(shell::parseNumber(shown, sep), sep);
    FUZZ_CHECK(shown == again, "'%s' -> '%s' -> '%s'", text.c_str(), shown.c_str(), again.c_str());
  } catch (const shell::Overflow&) {
    // 15 digits of the largest doubles round up past the double range.
    FUZZ_CHECK(std::fabs(value) > 1.797693134862315e308, "'%s' overflows", shown.c_str());
  }

  // Whole numbers: a value or exactly the conversion failure.
  try {
    (void)shell::parseWholeNumber(text);
  } catch (const shell::ConversionFailure& failure) {
    const std::string expected = "'" + text + "' is not a valid integer value";
    FUZZ_CHECK(std::string(failure.what()) == expected.c_str(), "%s",
               failure.what());
  }
  return 0;
}
