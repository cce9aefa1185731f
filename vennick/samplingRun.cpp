#include "samplingRun.h"

#include <cstdint>

#include "extendedMath.h"
#include "floatFailures.h"
#include "kinematicsFunctions.h"
#include "numberText.h"

namespace vennick {

namespace {

using shell::ext;

const char* pressTag(const std::string& pressText) {
  // Compared exactly: case and blanks count, so "lzk 2500" is a user-defined press.
  if (pressText == "LZK 2500") return "LZK2500";
  if (pressText == "LDO 315A") return "LDO315A";
  return "USER";
}

const char* quantityWord(int code) {
  switch (code) {
    case 1: return "amplitude_displacement_operation";
    case 2: return "amplitude_velocity_operation";
    default: return "amplitude_acceleration_operation";
  }
}

// Everything a run reads once, before the first row.
struct Press {
  std::string folderPrefix;
  std::string tag;
  std::string revolveRateText, rodLengthText, strokeText;  // as typed, for the "USER" line
  double omega = 0;     // rad/s
  double L = 0;         // mm
  double z = 0;         // mm
  double r = 0;         // mm
  double halfPeriod = 0;  // s, top to bottom dead centre
  int code = 1;
  int places = 0;
  char separator = '.';
};

Press prepare(PressWindow& window) {
  Press p;
  p.folderPrefix = window.outputFolder() + "/";
  p.tag = pressTag(window.controlText("crankPressTypeComboBox"));
  p.separator = window.decimalSeparator();

  p.revolveRateText = window.controlText("revolveRateTextBox");
  const double n = shell::parseNumber(p.revolveRateText, p.separator);
  p.omega = shell::toDouble(shell::multiply(n, shell::kPi) / 30);
  p.rodLengthText = window.controlText("connectingRodLengthTextBox");
  p.L = shell::parseNumber(p.rodLengthText, p.separator);
  p.strokeText = window.controlText("crankshaftStrokeTextBox");
  p.z = shell::parseNumber(p.strokeText, p.separator);
  p.r = shell::toDouble(static_cast<ext>(p.z) / 2);
  // (n/60)^-1 / 2 = 30/n; a revolve rate of 0 divides by zero here.
  p.halfPeriod = shell::toDouble(shell::divide(1, static_cast<ext>(n) / 60) / 2);

  p.code = static_cast<int>(window.checkedQuantity());
  p.places = window.precision();
  return p;
}

// One operation row's lines: times since contact and values, both rounded and written as
// number text. The line buffer is reused, so that a line costs no allocation of its own
// beyond the string handed to the window.
class RowWriter {
 public:
  RowWriter(PressWindow& window, const Press& press) : window_(window), press_(press) {}

  void dataLine(double sinceContact, double value) {
    line_ = shell::formatRounded(sinceContact, press_.places, press_.separator);
    line_.push_back(' ');
    line_.append(shell::formatRounded(value, press_.places, press_.separator));
    window_.addReportLine(line_);
  }

  // The quantity at time t, written with its time since contact t - t0.
  void sample(double t, double t0) {
    const double value = kinematicsFunctions::kinematicValue(press_.code, t, press_.r, press_.L, press_.omega);
    dataLine(shell::toDouble(static_cast<ext>(t) - t0), value);
  }

 private:
  PressWindow& window_;
  const Press& press_;
  std::string line_;
};

double sum(double a, double b) { return shell::toDouble(static_cast<ext>(a) + b); }

// Refuses one row's input: the message, then the focus on the box that failed.
void refuse(PressWindow& window, const char* message, const std::string& control) {
  window.errorBox(message);
  window.focusControl(control);
}

// Samples operation k and saves its file. Returns false when a row check refused an input.
bool runOperation(PressWindow& window, const Press& press, int k) {
  window.clearReportLines();

  const std::string heightBox = rowControlName("deltaH", k);
  const double deltaH = shell::parseNumber(window.controlText(heightBox), press.separator);
  if (deltaH > press.z || !(deltaH > 0)) {
    refuse(window, "A distance has to be in a range (0; z>!", heightBox);
    return false;
  }

  const std::string loadBox = rowControlName("nbrOfDivisionLoad", k);
  std::int32_t loadDivisions = shell::parseWholeNumber(window.controlText(loadBox));
  if (loadDivisions == 0) loadDivisions = 1;
  if (loadDivisions < 0) {
    refuse(window, "A number of division has to be positive!", loadBox);
    return false;
  }

  const double t0 = kinematicsFunctions::timeAtDeltaH(deltaH, press.r, press.L, press.omega);
  const double loadStep =
      shell::toDouble(shell::divide(static_cast<ext>(press.halfPeriod) - t0, loadDivisions));
  const std::string fileName =
      quantityWord(press.code) + std::to_string(k) + "_" + press.tag + ".txt";

  // Contact, then loadDivisions steps down to bottom dead centre. The count is 64-bit so that
  // the largest whole number of divisions does not wrap.
  RowWriter writer(window, press);
  double t = t0;
  for (std::int64_t i = 0; i <= loadDivisions; ++i) {
    writer.sample(t, t0);
    t = sum(t, loadStep);
  }
  // Unloading starts from bottom dead centre itself, not from the accumulated time.
  t = press.halfPeriod;

  const std::string unloadTimeBox = rowControlName("unloadTime", k);
  const std::string unloadTimeText = window.controlText(unloadTimeBox);
  const double unloadTime = unloadTimeText.empty() ? 0.0 : shell::parseNumber(unloadTimeText, press.separator);
  if (!(unloadTime >= 0)) {
    refuse(window, "An unload time has to be positive or zero!", unloadTimeBox);
    return false;
  }

  const std::string unloadBox = rowControlName("nbrOfDivisionUnload", k);
  const std::string unloadText = window.controlText(unloadBox);
  const std::int32_t unloadDivisions = unloadText.empty() ? 1 : shell::parseWholeNumber(unloadText);
  if (unloadDivisions < 0) {
    refuse(window, "A number of division has to be positive!", unloadBox);
    return false;
  }

  if (unloadTime != 0) {
    if (unloadDivisions == 1) {
      const ext end = static_cast<ext>(press.halfPeriod) + unloadTime;
      const double value = kinematicsFunctions::kinematicValue(press.code, shell::toDouble(end), press.r,
                                                               press.L, press.omega);
      writer.dataLine(shell::toDouble(static_cast<ext>(press.halfPeriod) - t0 + unloadTime), value);
    } else {
      // 0 divisions with a non-zero unload time divide by zero here.
      const double unloadStep = shell::toDouble(shell::divide(unloadTime, unloadDivisions));
      for (std::int32_t i = 0; i < unloadDivisions; ++i) {
        t = sum(t, unloadStep);
        writer.sample(t, t0);
      }
    }
  }

  if (press.tag == "USER") {
    window.addReportLine("");
    window.addReportLine("N=" + press.revolveRateText + " ,L_cr=" + press.rodLengthText +
                         " z_cs=" + press.strokeText);
  }

  window.saveReportLines(press.folderPrefix + fileName);
  return true;
}

}  // namespace

std::string rowControlName(const char* prefix, int row) {
  return prefix + std::to_string(row) + "TextBox";
}

void runSampling(PressWindow& window) {
  // Only a text that is not a number is caught here; every other failure goes on to the
  // caller's failure report, leaving the files of earlier rows and the lines added so far.
  try {
    const Press press = prepare(window);
    const int count = window.operationCount();
    for (int k = 1; k <= count; ++k) {
      if (!runOperation(window, press, k)) return;
    }
  } catch (const shell::ConversionFailure&) {
    window.errorBox("Input Error!");
  }
}

}  // namespace vennick
