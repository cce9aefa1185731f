// The sampling run fed arbitrary press texts and row texts. It must end in result files, an
// Error box with a message of the run's list, or one of the three arithmetic failures; a saved
// file never holds a NaN or an infinity and every data line is two number texts. Division
// counts are capped so that one input stays fast.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "floatFailures.h"
#include "fuzzCheck.h"
#include "numberText.h"
#include "samplingRun.h"

namespace {

constexpr int kMaxDivisions = 2000;

class FakePressWindow : public vennick::PressWindow {
 public:
  std::map<std::string, std::string> texts;
  vennick::Quantity quantity = vennick::Quantity::Velocity;
  int places = 8;
  int count = 1;
  char separator = '.';
  std::vector<std::string> lines;
  std::map<std::string, std::vector<std::string>> files;
  std::vector<std::string> errors;

  std::string controlText(const std::string& name) override { return texts[name]; }
  std::string outputFolder() override { return "/out"; }
  vennick::Quantity checkedQuantity() override { return quantity; }
  int precision() override { return places; }
  int operationCount() override { return count; }
  char decimalSeparator() override { return separator; }
  void errorBox(const std::string& message) override { errors.push_back(message); }
  void focusControl(const std::string&) override {}
  void clearReportLines() override { lines.clear(); }
  void addReportLine(std::string line) override { lines.push_back(std::move(line)); }
  void saveReportLines(const std::string& path) override { files[path] = lines; }
};

const std::vector<std::string> kMessages = {
    "Input Error!", "A distance has to be in a range (0; z>!", "A number of division has to be positive!",
    "An unload time has to be positive or zero!"};

bool divisionsTooMany(const std::string& text) {
  try {
    return shell::parseWholeNumber(text) > kMaxDivisions;
  } catch (const shell::ConversionFailure&) {
    return false;
  }
}

void checkDataLine(const std::string& line, char sep) {
  const auto blank = line.find(' ');
  FUZZ_CHECK(blank != std::string::npos, "'%s' is not a data line", line.c_str());
  for (const std::string part : {line.substr(0, blank), line.substr(blank + 1)}) {
    FUZZ_CHECK(part.find("NAN") == std::string::npos && part.find("INF") == std::string::npos, "'%s'",
               line.c_str());
    try {
      (void)shell::parseNumber(part, sep);
    } catch (const std::exception&) {
      FUZZ_CHECK(false, "'%s' in '%s' is not number text", part.c_str(), line.c_str());
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  FakePressWindow w;
  w.separator = in.ConsumeBool() ? ',' : '.';
  const int press = in.ConsumeIntegralInRange<int>(0, 3);
  w.texts["crankPressTypeComboBox"] =
      press == 0 ? "LZK 2500" : press == 1 ? "LDO 315A" : press == 2 ? "User defined" : in.ConsumeRandomLengthString(12);
  const bool preset = press < 2;
  w.texts["connectingRodLengthTextBox"] = preset ? (press == 0 ? "1070" : "885") : in.ConsumeRandomLengthString(16);
  w.texts["crankshaftStrokeTextBox"] = preset ? (press == 0 ? "320" : "200") : in.ConsumeRandomLengthString(16);
  w.texts["revolveRateTextBox"] = preset ? (press == 0 ? "70" : "44") : in.ConsumeRandomLengthString(16);
  w.quantity = static_cast<vennick::Quantity>(in.ConsumeIntegralInRange<int>(1, 3));
  w.places = in.ConsumeIntegralInRange<int>(0, 15);
  w.count = in.ConsumeIntegralInRange<int>(0, 3);
  for (int k = 1; k <= w.count; ++k) {
    for (const char* prefix : {"deltaH", "nbrOfDivisionLoad", "unloadTime", "nbrOfDivisionUnload"}) {
      const std::string text = in.ConsumeRandomLengthString(16);
      if (std::string(prefix).rfind("nbrOfDivision", 0) == 0 && divisionsTooMany(text)) return 0;
      w.texts[vennick::rowControlName(prefix, k)] = text;
    }
  }

  try {
    vennick::runSampling(w);
  } catch (const shell::FloatFailure&) {
  } catch (const std::exception& e) {
    FUZZ_CHECK(false, "unexpected failure: %s", e.what());
  }
  FUZZ_CHECK(w.errors.size() <= 1, "%zu Error boxes", w.errors.size());
  if (!w.errors.empty())
    FUZZ_CHECK(std::find(kMessages.begin(), kMessages.end(), w.errors[0]) != kMessages.end(), "%s",
               w.errors[0].c_str());
  FUZZ_CHECK(static_cast<int>(w.files.size()) <= w.count, "%zu files for %d rows", w.files.size(), w.count);
  for (const auto& [path, lines] : w.files) {
    const bool user = w.texts["crankPressTypeComboBox"] != "LZK 2500" && w.texts["crankPressTypeComboBox"] != "LDO 315A";
    const std::size_t dataLines = user ? lines.size() - 2 : lines.size();
    FUZZ_CHECK(lines.size() >= (user ? 4u : 2u), "%s has %zu lines", path.c_str(), lines.size());
    for (std::size_t i = 0; i < dataLines; ++i) checkDataLine(lines[i], w.separator);
  }
  return 0;
}
