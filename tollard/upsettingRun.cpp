#include "upsettingRun.h"

#include <cstdint>
#include <optional>

#include "extendedMath.h"
#include "floatFailures.h"
#include "numberText.h"
#include "rodCalculation.h"

namespace tollard {

namespace {

// Above this upsetting ratio the rod may buckle while it is upset.
constexpr double kBucklingLimit = 2.5;

// Places to which each output is rounded before it is shown.
constexpr int kDiameterPlaces = 1;
constexpr int kLengthPlaces = 1;
constexpr int kRatioPlaces = 3;
constexpr int kVolumePlaces = 2;

// The number in text when it is not below zero (-0 passes as zero); otherwise nothing, after
// the Error box has said "Input Error!" or negativeMessage. Only the conversion failure is
// caught: an overflow (a text such as 1E400) goes on to the caller.
std::optional<double> readNonNegative(SizingWindow& window, const std::string& text, char separator,
                                      const char* negativeMessage) {
  double value;
  try {
    value = shell::parseNumber(text, separator);
  } catch (const shell::ConversionFailure&) {
    window.errorBox("Input Error!");
    return std::nullopt;
  }
  if (value < 0) {
    window.errorBox(negativeMessage);
    return std::nullopt;
  }
  return value;
}

std::int32_t rodTypeCode(int index) {
  switch (index) {
    case 0: return rodCalculation::kEn10060;
    case 1: return rodCalculation::kEn10278;
    default: return 0;
  }
}

}  // namespace

void runUpsetting(SizingWindow& window) {
  const char separator = window.decimalSeparator();

  // Each input is read only after the ones before it have passed.
  const std::string volumeText = window.volumeText();
  const auto forgingVolume =
      readNonNegative(window, volumeText, separator, "A volume has to be a positive number!");
  if (!forgingVolume) return;
  const std::string additionText = window.additionText();
  const auto addition =
      readNonNegative(window, additionText, separator, "A material addition has to be a positive number!");
  if (!addition) return;
  const std::string ratioText = window.ratioText();
  const auto requestedRatio =
      readNonNegative(window, ratioText, separator, "An upsetting ratio addition has to be a positive number!");
  if (!requestedRatio) return;
  const std::int32_t code = rodTypeCode(window.rodTypeIndex());

  // Extended volume in mm^3: the forging plus the material addition in percent.
  const shell::ext share = shell::multiply(0.01L, *addition) + 1;
  const double Ve = shell::toDouble(shell::multiply(share, *forgingVolume));

  // No standard diameter (D = 0) fails in rodLength, before anything is shown.
  const double Dc = rodCalculation::cylinderDiameter(Ve, *requestedRatio);
  const double D = rodCalculation::standardDiameter(code, Dc);
  const double L = rodCalculation::rodLength(Ve, D);
  const double ratio = rodCalculation::upsettingRatio(D, L);

  // Each box is written as soon as its value is rounded, so a rounding failure leaves the
  // boxes before it written and the rest as they were.
  window.setRodDiameterText(shell::formatRounded(D, kDiameterPlaces, separator));
  window.setRodLengthText(shell::formatRounded(L, kLengthPlaces, separator));
  window.setUpsettingRatioText(shell::formatRounded(ratio, kRatioPlaces, separator));
  const bool overLimit = ratio > kBucklingLimit;
  window.setRatioColour(overLimit ? RatioColour::Red : RatioColour::Green);
  window.setRodVolumeText(shell::formatRounded(rodCalculation::rodVolume(D, L), kVolumePlaces, separator));

  window.setFirstReportLine("=====UPSETTING ANALYSIS REPORT=====");
  window.appendReportLine(window.clockText());
  window.appendReportLine(" ");
  window.appendReportLine("----------INPUT PARAMETERS----------");
  window.appendReportLine("Forging Volume: " + volumeText + " [mm^3]");
  window.appendReportLine("Material Addition: " + additionText + " [%]");
  window.appendReportLine("Requested Length Ratio: " + ratioText + " [-]");
  window.appendReportLine("Rod Type: " + window.rodTypeText());
  window.appendReportLine(" ");
  window.appendReportLine("-----------ROD PARAMETERS-----------");
  window.appendReportLine("Rod Diameter: " + window.rodDiameterText() + " [mm]");
  window.appendReportLine("Rod Length: " + window.rodLengthText() + " [mm]");
  window.appendReportLine("Length Ratio: " + window.upsettingRatioText() + " [-]");
  window.appendReportLine(overLimit ? "Status: NOT OK" : "Status: OK");
}

}  // namespace tollard
