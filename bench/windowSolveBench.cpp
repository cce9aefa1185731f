// Solve of one operation of the LZK 2500 press (n = 70, L = 1070, z = 320), velocity at 8
// places, Δh = 20 and 10^6 load divisions: through the press window, offscreen, with the lines
// shown in Memo1 (the click and the events that lay out and paint the memo), against the
// sampling run with a window fake that holds the lines in one buffer and has no toolkit.
//
// For peak memory, run it once with --memory=idle (the window shown, nothing solved) and once
// with --memory=solve (the window after one Solve) under /usr/bin/time -v and compare the two
// maximum resident set sizes with the result file's size, which --memory=solve prints.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "folderBrowser/directoryListBox.h"
#include "folderBrowser/volumes.h"
#include "lzkPressWindow.h"
#include "memo/memoLines.h"
#include "messageBoxes.h"
#include "qtMessageBoxes.h"
#include "ratioReport.h"
#include "samplingRun.h"
#include "vennickMain.h"
#include "windowFonts.h"

namespace {

constexpr const char* kDivisions = "1000000";
constexpr const char* kHeight = "20";
constexpr const char* kResultFile = "amplitude_velocity_operation1_LZK2500.txt";

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "windowSolve_bench: %s\n", what.c_str());
  std::exit(2);
}

// A benchmark that shows a box or a failure report measures nothing: it stops at once.
class NoBoxes : public shell::MessageBoxes, public shell::qt::FailureReporter {
 public:
  void errorBox(const std::string& message) override { fail("Error box: " + message); }
  shell::Answer confirmationBox(const std::string&, const std::string&) override { return shell::Answer::Yes; }
  void report(const std::string& failureText) override { fail("failure report: " + failureText); }
};

class RootOnly : public vennick::VolumeSource {
 public:
  QList<vennick::Volume> volumes() const override { return {{vennick::kRootVolume, QString()}}; }
};

QString& outputFolder() {
  static QString folder;
  return folder;
}

// The press window, filled as a user would fill it, writing into the output folder.
struct Window {
  NoBoxes boxes;
  RootOnly volumes;
  TForm1 form{vennick::WindowServices{&boxes, &boxes, &volumes, [] { return '.'; }}};

  Window() {
    form.crankPressTypeComboBox->setCurrentIndex(form.crankPressTypeComboBox->findText(QStringLiteral("LZK 2500")));
    form.velocityRadioButton->setChecked(true);
    form.precisionScrollBar->setValue(8);
    form.deltaH1TextBox->setText(QString::fromLatin1(kHeight));
    form.nbrOfDivisionLoad1TextBox->setText(QString::fromLatin1(kDivisions));
    form.DirectoryListBox1->setDirectory(outputFolder());
    form.show();
    QApplication::processEvents();
  }
  void solve() {
    form.Button1Click();
    // The memo lays out and paints its new lines.
    QApplication::processEvents();
  }
};

void BM_window_solve(benchmark::State& state) {
  Window window;
  for (auto _ : state) window.solve();
  if (window.form.memoLines().rowCount() != 1000001) fail("the memo does not show every line");
}

void BM_core_solve(benchmark::State& state) {
  bench::LzkPressWindow window(outputFolder().toStdString() + "/core", kDivisions);
  for (auto _ : state) {
    vennick::runSampling(window);
    benchmark::DoNotOptimize(window.lines.text().data());
  }
}

BENCHMARK(BM_window_solve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_core_solve)->Unit(benchmark::kMillisecond);

// --memory=idle or --memory=solve: one window, no benchmark.
int memoryRun(const char* mode) {
  Window window;
  if (std::strcmp(mode, "solve") == 0) {
    window.solve();
    const QFileInfo file(QDir(outputFolder()).filePath(QString::fromLatin1(kResultFile)));
    std::printf("result file %lld bytes, %lld lines shown\n", static_cast<long long>(file.size()),
                static_cast<long long>(window.form.memoLines().rowCount()));
  } else if (std::strcmp(mode, "idle") != 0) {
    fail(std::string("unknown memory mode ") + mode);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  shell::qt::prepareFontDpi();
  QApplication application(argc, argv);
  shell::qt::installWindowFonts();

  // The window writes its font folder into the current directory: a temporary one.
  QTemporaryDir scratch;
  if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) fail("no temporary directory");
  outputFolder() = scratch.path();
  if (!QDir(scratch.path()).mkdir(QStringLiteral("core"))) fail("no folder for the core run");

  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--memory=", 9) == 0) return memoryRun(argv[i] + 9);
  }
  return bench::runWithRatios(argc, argv, {{"window_solve_vs_core", "BM_window_solve", "BM_core_solve"}});
}
