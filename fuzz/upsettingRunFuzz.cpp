// The upsetting run fed arbitrary input texts and rod type indexes. It must end in one of:
// all outputs written and the report extended; one Error box with a message of the run's list
// and nothing else changed; one of the three arithmetic failures. Never a NaN or an infinity
// in a box or the report, never any other exception.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

#include "floatFailures.h"
#include "fuzzCheck.h"
#include "upsettingRun.h"

namespace {

class FakeSizingWindow : public tollard::SizingWindow {
 public:
  std::string volume, addition, ratio, rodType;
  int index = -1;
  char separator = '.';
  std::string diameter, length, upsetting, rodVolume;
  bool colourSet = false;
  std::vector<std::string> report;
  std::vector<std::string> errors;

  std::string volumeText() override { return volume; }
  std::string additionText() override { return addition; }
  std::string ratioText() override { return ratio; }
  int rodTypeIndex() override { return index; }
  std::string rodTypeText() override { return rodType; }
  void setRodDiameterText(const std::string& s) override { diameter = s; }
  std::string rodDiameterText() override { return diameter; }
  void setRodLengthText(const std::string& s) override { length = s; }
  std::string rodLengthText() override { return length; }
  void setUpsettingRatioText(const std::string& s) override { upsetting = s; }
  std::string upsettingRatioText() override { return upsetting; }
  void setRodVolumeText(const std::string& s) override { rodVolume = s; }
  void setRatioColour(tollard::RatioColour) override { colourSet = true; }
  std::size_t reportLineCount() override { return report.size(); }
  void setFirstReportLine(const std::string& s) override {
    if (report.empty()) report.push_back(s);
    else report[0] = s;
  }
  void appendReportLine(const std::string& s) override { report.push_back(s); }
  void errorBox(const std::string& message) override { errors.push_back(message); }
  std::string clockText() override { return "Friday 11/12/2026, 13:52:00"; }
  char decimalSeparator() override { return separator; }
};

bool isNumberText(const std::string& s) {
  return !s.empty() && s.find("NAN") == std::string::npos && s.find("INF") == std::string::npos;
}

const std::vector<std::string> kMessages = {
    "Input Error!", "A volume has to be a positive number!", "A material addition has to be a positive number!",
    "An upsetting ratio addition has to be a positive number!"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  FakeSizingWindow w;
  w.separator = in.ConsumeBool() ? ',' : '.';
  w.index = in.ConsumeIntegralInRange<int>(-2, 2);
  w.rodType = w.index == 0 ? "EN 10060" : w.index == 1 ? "EN 10278" : "";
  w.volume = in.ConsumeRandomLengthString(32);
  w.addition = in.ConsumeRandomLengthString(32);
  w.ratio = in.ConsumeRandomLengthString(32);
  const bool twice = in.ConsumeBool();

  for (int run = 0; run < (twice ? 2 : 1); ++run) {
    const std::size_t linesBefore = w.report.size();
    const std::size_t errorsBefore = w.errors.size();
    try {
      tollard::runUpsetting(w);
    } catch (const shell::FloatFailure&) {
      FUZZ_CHECK(w.report.size() == linesBefore, "a failed run changed the report");
      return 0;
    } catch (const std::exception& e) {
      FUZZ_CHECK(false, "unexpected failure: %s", e.what());
    }
    if (w.errors.size() != errorsBefore) {
      FUZZ_CHECK(w.errors.size() == errorsBefore + 1, "more than one Error box");
      FUZZ_CHECK(std::find(kMessages.begin(), kMessages.end(), w.errors.back()) != kMessages.end(), "%s",
                 w.errors.back().c_str());
      FUZZ_CHECK(w.report.size() == linesBefore, "a refused input changed the report");
      return 0;
    }
    FUZZ_CHECK(isNumberText(w.diameter) && isNumberText(w.length) && isNumberText(w.upsetting) &&
                   isNumberText(w.rodVolume),
               "outputs '%s' '%s' '%s' '%s'", w.diameter.c_str(), w.length.c_str(), w.upsetting.c_str(),
               w.rodVolume.c_str());
    FUZZ_CHECK(w.colourSet, "no ratio colour");
    FUZZ_CHECK(w.report.size() == (linesBefore == 0 ? 14u : linesBefore + 13), "report has %zu lines",
               w.report.size());
    FUZZ_CHECK(w.report.back() == "Status: OK" || w.report.back() == "Status: NOT OK", "%s",
               w.report.back().c_str());
  }
  return 0;
}
