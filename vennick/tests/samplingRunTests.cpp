#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fakePressWindow.h"
#include "fileWrite.h"
#include "samplingRun.h"

using vennick::Quantity;
using vennick::runSampling;
using vennick::testing::FakePressWindow;
namespace fs = std::filesystem;

namespace {

// Rows are written with '.'; the ',' locale gets the same texts with the separators swapped.
std::string withSeparator(std::string text, char sep) {
  for (char& c : text)
    if (c == '.') c = sep;
  return text;
}

std::string separatorName(char sep) { return sep == '.' ? "_Point" : "_Comma"; }

// The bytes of a result file: each line followed by CR LF, the last one too.
std::string fileBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

using Controls = std::vector<std::pair<std::string, std::string>>;

// A run of the LZK 2500 press (n = 70, L = 1070, z = 320) with one row: height 20, two load
// divisions, unload time 0.1 in two divisions; the worked example of the result files.
class RunFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "samplingRunTest.XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    window_.folder = dir_.string();
    window_.texts = {{"crankPressTypeComboBox", "LZK 2500"}, {"revolveRateTextBox", "70"},
                     {"connectingRodLengthTextBox", "1070"}, {"crankshaftStrokeTextBox", "320"}};
    setRow(1, "20", "2", "0.1", "2");
  }
  void TearDown() override { fs::remove_all(dir_); }

  void setRow(int k, std::string height, std::string load, std::string unloadTime, std::string unload) {
    window_.texts[vennick::rowControlName("deltaH", k)] = std::move(height);
    window_.texts[vennick::rowControlName("nbrOfDivisionLoad", k)] = std::move(load);
    window_.texts[vennick::rowControlName("unloadTime", k)] = std::move(unloadTime);
    window_.texts[vennick::rowControlName("nbrOfDivisionUnload", k)] = std::move(unload);
  }
  // Sets the decimal separator and swaps it into every control text.
  void useSeparator(char sep) {
    window_.separator = sep;
    for (auto& [name, text] : window_.texts) text = withSeparator(text, sep);
  }
  void set(const Controls& controls) {
    for (const auto& [name, text] : controls) window_.texts[name] = text;
  }

  std::string read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
  FakePressWindow window_;
};

// --- The worked example: the three quantities, byte for byte ---------------------------------

struct QuantityRow {
  const char* name;
  Quantity quantity;
  const char* fileName;
  std::vector<std::string> values;
};

class WorkedExampleTest : public RunFixture, public ::testing::WithParamInterface<std::tuple<QuantityRow, char>> {};

TEST_P(WorkedExampleTest, WritesTheFiveLines) {
  const auto& [row, sep] = GetParam();
  window_.quantity = row.quantity;
  useSeparator(sep);
  runSampling(window_);

  const char* times[] = {"0", "0.0322", "0.0644", "0.1144", "0.1644"};
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < 5; ++i) lines.push_back(withSeparator(std::string(times[i]) + " " + row.values[i], sep));
  EXPECT_EQ(files(), std::vector<std::string>{row.fileName});
  EXPECT_EQ(read(row.fileName), fileBytes(lines));
  EXPECT_EQ(window_.report.lines(), lines);  // the memo shows the last operation
  EXPECT_TRUE(window_.events.empty());
}

const QuantityRow kQuantityRows[] = {
    {"Displacement", Quantity::Displacement, "amplitude_displacement_operation1_LZK2500.txt",
     {"1210", "1224.903", "1230", "1217.8354", "1183.5336"}},
    {"Velocity", Quantity::Velocity, "amplitude_velocity_operation1_LZK2500.txt",
     {"604.8655", "314.3626", "0", "-479.0768", "-872.4474"}},
    {"Acceleration", Quantity::Acceleration, "amplitude_acceleration_operation1_LZK2500.txt",
     {"-8415.8834", "-9505.866", "-9883.1328", "-8986.4796", "-6531.4809"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, WorkedExampleTest,
                         ::testing::Combine(::testing::ValuesIn(kQuantityRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

// --- How a row's texts shape its lines (displacement, so that values can be checked by hand) --

struct ShapeRow {
  const char* name;
  const char* height;
  const char* load;
  const char* unloadTime;
  const char* unloadDivisions;
  std::vector<std::string> lines;
};

class RowShapeTest : public RunFixture, public ::testing::WithParamInterface<std::tuple<ShapeRow, char>> {};

TEST_P(RowShapeTest, GivesTheLines) {
  const auto& [row, sep] = GetParam();
  window_.quantity = Quantity::Displacement;
  setRow(1, row.height, row.load, row.unloadTime, row.unloadDivisions);
  useSeparator(sep);
  runSampling(window_);

  std::vector<std::string> lines;
  for (const auto& line : row.lines) lines.push_back(withSeparator(line, sep));
  EXPECT_EQ(read("amplitude_displacement_operation1_LZK2500.txt"), fileBytes(lines));
  EXPECT_TRUE(window_.events.empty());
}

// Half period 30/70 = 0.428571 s; height 20 is reached 0.064439 s before bottom dead centre.
// An unload time of 0.5 s turns the crank by 7*pi/6, so the last unload line lies at 30 degrees.
const ShapeRow kShapeRows[] = {
    {"HeightEqualToStrokeStartsAtTop", "320", "2", "", "",
     {"0 910", "0.2143 1057.9698", "0.4286 1230"}},
    {"ZeroLoadDivisionsGiveContactAndBottom", "20", "0", "", "", {"0 1210", "0.0644 1230"}},
    {"UnloadTimeWithEmptyDivisionsGivesOneLine", "20", "0", "0.5", "", {"0 1210", "0.0644 1230", "0.5644 928.4411"}},
    {"UnloadTimeInThreeDivisions", "20", "0", "0.5", "3",
     {"0 1210", "0.0644 1230", "0.2311 1114.1073", "0.3978 942.4788", "0.5644 928.4411"}},
    {"EmptyUnloadTimeIgnoresZeroDivisions", "20", "0", "", "0", {"0 1210", "0.0644 1230"}},
    {"ZeroUnloadTimeIgnoresDivisions", "20", "0", "0", "5", {"0 1210", "0.0644 1230"}},
    {"BlanksBeforeNumbers", " 20 ", " 0", " 0.5 ", " 1", {"0 1210", "0.0644 1230", "0.5644 928.4411"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, RowShapeTest,
                         ::testing::Combine(::testing::ValuesIn(kShapeRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

// --- Press tag: the file name and, for a press of the user's own, the press data as typed -----

struct PressRow {
  const char* name;
  const char* pressText;
  Controls typed;
  const char* fileName;
  std::vector<std::string> tail;  // the lines after the data lines
};

class PressTagTest : public RunFixture, public ::testing::WithParamInterface<PressRow> {};

TEST_P(PressTagTest, NamesTheFileAndAddsTheUserLines) {
  const auto& row = GetParam();
  window_.texts["crankPressTypeComboBox"] = row.pressText;
  set(row.typed);
  runSampling(window_);

  EXPECT_EQ(files(), std::vector<std::string>{row.fileName});
  const auto lines = window_.report.lines();
  ASSERT_EQ(lines.size(), 5 + row.tail.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()), row.tail);
  EXPECT_EQ(read(row.fileName), window_.report.text());
}

const PressRow kPressRows[] = {
    {"Lzk2500", "LZK 2500", {}, "amplitude_velocity_operation1_LZK2500.txt", {}},
    {"Ldo315A", "LDO 315A", {}, "amplitude_velocity_operation1_LDO315A.txt", {}},
    {"OtherCaseIsUser", "lzk 2500", {}, "amplitude_velocity_operation1_USER.txt", {"", "N=70 ,L_cr=1070 z_cs=320"}},
    {"TrailingBlankIsUser", "LZK 2500 ", {}, "amplitude_velocity_operation1_USER.txt", {"", "N=70 ,L_cr=1070 z_cs=320"}},
    {"EmptyIsUser", "", {}, "amplitude_velocity_operation1_USER.txt", {"", "N=70 ,L_cr=1070 z_cs=320"}},
    {"UserDataAsTyped",
     "User defined",
     {{"revolveRateTextBox", " 70"}, {"connectingRodLengthTextBox", "1070.0"}, {"crankshaftStrokeTextBox", "3.2E2"}},
     "amplitude_velocity_operation1_USER.txt",
     {"", "N= 70 ,L_cr=1070.0 z_cs=3.2E2"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, PressTagTest, ::testing::ValuesIn(kPressRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Refused inputs: the Error box, where the focus goes, what stays -------------------------

constexpr int kPreviousLines = -1;  // the previous run's lines stay: nothing was cleared

struct RefusedRow {
  const char* name;
  Controls controls;
  const char* message;
  const char* focus;  // nullptr: the focus stays where it was
  int linesLeft;
};

class RefusedInputTest : public RunFixture, public ::testing::WithParamInterface<std::tuple<RefusedRow, char>> {};

TEST_P(RefusedInputTest, ShowsTheMessageAndWritesNoFile) {
  const auto& [row, sep] = GetParam();
  set(row.controls);
  useSeparator(sep);
  window_.report.add("previous run");
  runSampling(window_);

  std::vector<std::string> events{std::string("error: ") + row.message};
  if (row.focus != nullptr) events.push_back(std::string("focus: ") + row.focus);
  EXPECT_EQ(window_.events, events);
  EXPECT_TRUE(files().empty());
  const auto lines = window_.report.lines();
  if (row.linesLeft == kPreviousLines) {
    EXPECT_EQ(lines, std::vector<std::string>{"previous run"});
  } else {
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(row.linesLeft));
  }
}

constexpr const char* kDistance = "A distance has to be in a range (0; z>!";
constexpr const char* kDivision = "A number of division has to be positive!";
constexpr const char* kUnload = "An unload time has to be positive or zero!";
constexpr const char* kInput = "Input Error!";

const RefusedRow kRefusedRows[] = {
    {"HeightZero", {{"deltaH1TextBox", "0"}}, kDistance, "deltaH1TextBox", 0},
    {"HeightNegative", {{"deltaH1TextBox", "-5"}}, kDistance, "deltaH1TextBox", 0},
    {"HeightAboveStroke", {{"deltaH1TextBox", "320.001"}}, kDistance, "deltaH1TextBox", 0},
    {"StrokeZeroRefusesEveryHeight", {{"crankshaftStrokeTextBox", "0"}}, kDistance, "deltaH1TextBox", 0},
    {"HeightEmpty", {{"deltaH1TextBox", ""}}, kInput, nullptr, 0},
    {"HeightNotANumber", {{"deltaH1TextBox", "2O"}}, kInput, nullptr, 0},
    {"LoadDivisionsNegative", {{"nbrOfDivisionLoad1TextBox", "-1"}}, kDivision, "nbrOfDivisionLoad1TextBox", 0},
    {"LoadDivisionsEmpty", {{"nbrOfDivisionLoad1TextBox", ""}}, kInput, nullptr, 0},
    {"LoadDivisionsBlankAfter", {{"nbrOfDivisionLoad1TextBox", "2 "}}, kInput, nullptr, 0},
    {"LoadDivisionsWithFraction", {{"nbrOfDivisionLoad1TextBox", "2.0"}}, kInput, nullptr, 0},
    {"UnloadTimeNegative", {{"unloadTime1TextBox", "-0.1"}}, kUnload, "unloadTime1TextBox", 3},
    {"UnloadTimeNotANumber", {{"unloadTime1TextBox", "0.1s"}}, kInput, nullptr, 3},
    {"UnloadDivisionsNegativeWithEmptyTime",
     {{"unloadTime1TextBox", ""}, {"nbrOfDivisionUnload1TextBox", "-2"}}, kDivision, "nbrOfDivisionUnload1TextBox", 3},
    {"UnloadDivisionsNotANumber", {{"nbrOfDivisionUnload1TextBox", "two"}}, kInput, nullptr, 3},
    {"RevolveRateNotANumber", {{"revolveRateTextBox", "7O"}}, kInput, nullptr, kPreviousLines},
    {"RodLengthEmpty", {{"connectingRodLengthTextBox", ""}}, kInput, nullptr, kPreviousLines},
    {"StrokeNotANumber", {{"crankshaftStrokeTextBox", "320mm"}}, kInput, nullptr, kPreviousLines},
};

INSTANTIATE_TEST_SUITE_P(Rows, RefusedInputTest,
                         ::testing::Combine(::testing::ValuesIn(kRefusedRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

// --- Failures the run does not catch: they reach the caller unchanged -----------------------

struct FailureRow {
  const char* name;
  Controls controls;
  Quantity quantity;
  int places;
  const char* text;
  int linesLeft;
};

class UncaughtFailureTest : public RunFixture, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(UncaughtFailureTest, EndsTheRunAndKeepsTheEarlierFile) {
  const auto& row = GetParam();
  set(row.controls);
  window_.quantity = row.quantity;
  window_.places = row.places;
  const char* word = row.quantity == Quantity::Acceleration ? "acceleration" : "velocity";
  const std::string fileName = std::string("amplitude_") + word + "_operation1_LZK2500.txt";
  shell::writeFileWhole((dir_ / fileName).string(), "earlier run");
  window_.report.add("previous run");

  try {
    runSampling(window_);
    FAIL() << "the run finished";
  } catch (const std::exception& failure) {
    EXPECT_STREQ(failure.what(), row.text);
  }
  EXPECT_TRUE(window_.events.empty());  // no Error box, no focus change
  EXPECT_EQ(files(), std::vector<std::string>{fileName});
  EXPECT_EQ(read(fileName), "earlier run");
  const auto lines = window_.report.lines();
  if (row.linesLeft == kPreviousLines) {
    EXPECT_EQ(lines, std::vector<std::string>{"previous run"});
  } else {
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(row.linesLeft));
  }
}

const FailureRow kFailureRows[] = {
    {"RevolveRateZero", {{"revolveRateTextBox", "0"}}, Quantity::Velocity, 4, "Floating point division by zero",
     kPreviousLines},
    {"RevolveRateBeyondDoubles", {{"revolveRateTextBox", "1E400"}}, Quantity::Velocity, 4, "Floating point overflow",
     kPreviousLines},
    // s = 10 mm from the crank axis, beyond the reach of a 100 mm rod on a 160 mm crank.
    {"RodShorterThanCrank", {{"connectingRodLengthTextBox", "100"}, {"deltaH1TextBox", "250"}}, Quantity::Velocity, 4,
     "Invalid floating point operation", 0},
    {"ZeroUnloadDivisionsWithUnloadTime", {{"nbrOfDivisionUnload1TextBox", "0"}}, Quantity::Velocity, 4,
     "Floating point division by zero", 3},
    // About -9505.87 mm/s^2 cannot be rounded to 15 places; the contact line was added.
    {"AccelerationTooLargeForFifteenPlaces", {}, Quantity::Acceleration, 15, "Invalid floating point operation", 1},
};

INSTANTIATE_TEST_SUITE_P(Rows, UncaughtFailureTest, ::testing::ValuesIn(kFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Several rows, and saving -------------------------------------------------------------------

using SamplingRunTest = RunFixture;

TEST_F(SamplingRunTest, EveryRowGetsItsFileAndTheMemoShowsTheLast) {
  window_.count = 2;
  setRow(2, "320", "1", "", "");
  runSampling(window_);
  EXPECT_EQ(files(), (std::vector<std::string>{"amplitude_velocity_operation1_LZK2500.txt",
                                               "amplitude_velocity_operation2_LZK2500.txt"}));
  // Row 2 starts at top dead centre and ends at bottom dead centre: the ram stands still at both.
  EXPECT_EQ(window_.report.lines(), (std::vector<std::string>{"0 0", "0.4286 0"}));
  EXPECT_EQ(read("amplitude_velocity_operation2_LZK2500.txt"), window_.report.text());
}

TEST_F(SamplingRunTest, ASecondRowRefusedKeepsTheFirstFile) {
  window_.count = 2;
  setRow(2, "0", "2", "", "");
  runSampling(window_);
  EXPECT_EQ(files(), std::vector<std::string>{"amplitude_velocity_operation1_LZK2500.txt"});
  EXPECT_EQ(window_.events, (std::vector<std::string>{"error: A distance has to be in a range (0; z>!",
                                                      "focus: deltaH2TextBox"}));
  EXPECT_TRUE(window_.report.lines().empty());  // cleared for row 2
}

TEST_F(SamplingRunTest, NoRowsWritesNothing) {
  window_.count = 0;
  window_.report.add("previous run");
  runSampling(window_);
  EXPECT_TRUE(files().empty());
  EXPECT_EQ(window_.report.lines(), std::vector<std::string>{"previous run"});
}

TEST_F(SamplingRunTest, AMissingFolderFailsWithTheFileName) {
  window_.folder = (dir_ / "gone").string();
  const std::string path = window_.folder + "/amplitude_velocity_operation1_LZK2500.txt";
  try {
    runSampling(window_);
    FAIL() << "the run finished";
  } catch (const shell::FileWriteFailure& failure) {
    EXPECT_EQ(std::string(failure.what()), "Cannot create file \"" + path + "\". No such file or directory");
  }
  EXPECT_TRUE(window_.events.empty());
  EXPECT_EQ(window_.report.lines().size(), 5u);
}

// A write that fails half-way (here a file-size limit, as a full disk would) must not destroy the
// file that an earlier run saved under the same name.
TEST_F(SamplingRunTest, AWriteFailingHalfWayKeepsTheEarlierFile) {
  runSampling(window_);
  const std::string name = "amplitude_velocity_operation1_LZK2500.txt";
  const std::string earlier = read(name);
  ASSERT_FALSE(earlier.empty());

  setRow(1, "20", "100000", "", "");
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(runSampling(window_), shell::FileWriteFailure);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(read(name), earlier);
  EXPECT_EQ(files(), std::vector<std::string>{name});  // no partial file left beside it
}

}  // namespace
