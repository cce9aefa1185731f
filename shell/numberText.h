#pragma once
// Number text: how the programs read numbers that the user typed and write the numbers they
// show, save or print. No toolkit: the caller passes the locale's decimal separator.
#include <cstdint>
#include <string>
#include <string_view>

namespace shell {

// Reads "  [+|-]digits[<sep>digits][(E|e)[+|-]digits]  " (blanks are spaces only). A lone
// separator reads as 0, "1E" as 1; exponent digits are taken while the exponent is below 500.
// The digits form one integer in extended precision, scaled by 10^(exponent - fraction digits).
// Not a number, or beyond the extended range: ConversionFailure
// ("'<text>' is not a valid floating point value"). Beyond the double range: Overflow.
double parseNumber(std::string_view text, char decimalSeparator);

// Reads a signed 32-bit integer: leading spaces, an optional sign, decimal digits or hexadecimal
// digits after "$", "x", "X" or "0x"; nothing may follow. Hexadecimal texts give the 32-bit
// pattern ($FFFFFFFF is -1). Otherwise ConversionFailure ("'<text>' is not a valid integer value").
std::int32_t parseWholeNumber(std::string_view text);

// value rounded to n decimal places (0 to 15): step = double nearest 10^-n, quotient
// value/step in extended taken to the nearest int64 (ties to even), times the step.
// A quotient beyond the int64 range: InvalidOperation.
double roundTo(double value, int places);

// The general format with 15 significant digits: fixed form for 1E-4 <= |v| < 1E15, else
// "d.dddE[-]x"; -0 is "0"; no thousands separators.
std::string formatNumber(double value, char decimalSeparator);

// formatNumber(roundTo(value, places)): how every shown or written number is made.
std::string formatRounded(double value, int places, char decimalSeparator);

}  // namespace shell
