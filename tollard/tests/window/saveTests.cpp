// File, Save: the dialog's settings, the file's exact bytes, the overwrite question, and a file
// that cannot be written.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <optional>

#include "fileFaults.h"
#include "reportMemo.h"
#include "windowFixture.h"

namespace tollard::test {
namespace {

class SizingSaveTest : public SizingWindowTest {
 protected:
  void save() { form->findChild<QAction*>("SaveAs1")->trigger(); }
};

struct Saved {
  const char* name;
  int solves;
  int lines;
};

class SavedReport : public SizingSaveTest, public ::testing::WithParamInterface<Saved> {};

TEST_P(SavedReport, HoldsTheLinesJoinedByCrLfWithNoneAfterTheLast) {
  for (int i = 0; i < GetParam().solves; ++i) solveWorkedExample();
  dialogs.savePath = path("report.txt");
  save();

  ASSERT_TRUE(reporter.reports.empty());
  EXPECT_TRUE(boxes.questions.empty());
  const std::string bytes = readFile(path("report.txt"));
  if (GetParam().lines == 0) {
    EXPECT_EQ(bytes, "");
    return;
  }
  const QStringList lines = QString::fromStdString(bytes).split("\r\n");
  ASSERT_EQ(lines.size(), GetParam().lines);
  EXPECT_EQ(lines[0], "=====UPSETTING ANALYSIS REPORT=====");
  QStringList expected{lines[0]};
  for (int run = 0; run < GetParam().solves; ++run) {
    const QString clock = lines[1 + 13 * run];
    EXPECT_TRUE(looksLikeClockText(clock)) << clock.toStdString();
    expected << clock << workedExampleLines();
  }
  EXPECT_EQ(bytes, expected.join("\r\n").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Tollard, SavedReport,
                         ::testing::Values(Saved{"beforeAnySolve", 0, 0}, Saved{"afterOneSolve", 1, 14},
                                           Saved{"afterTwoSolves", 2, 27}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SizingSaveTest, DialogIsSetUpAnewAndOffersThePreviousName) {
  dialogs.savePath = path("first.txt");
  save();
  dialogs.savePath = std::nullopt;
  save();
  ASSERT_EQ(dialogs.saveRequests.size(), 2u);
  for (const SaveDialogRequest& request : dialogs.saveRequests) {
    EXPECT_EQ(request.title, "Save to text file");
    EXPECT_EQ(request.filter, "Text File (*.txt)");
    EXPECT_EQ(request.defaultSuffix, "txt");
  }
  EXPECT_EQ(dialogs.saveRequests[0].fileName, "");
  EXPECT_EQ(dialogs.saveRequests[1].fileName, path("first.txt"));
}

TEST_F(SizingSaveTest, CancelledDialogWritesNothingAndAsksNothing) {
  solveWorkedExample();
  dialogs.savePath = std::nullopt;
  save();
  EXPECT_TRUE(boxes.questions.empty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

struct Overwrite {
  const char* name;
  shell::Answer answer;
  bool replaced;
};

class OverwriteQuestion : public SizingSaveTest, public ::testing::WithParamInterface<Overwrite> {};

TEST_P(OverwriteQuestion, OnlyYesReplacesTheExistingFile) {
  writeFile(path("report.txt"), "earlier report\r\n");
  solveWorkedExample();
  dialogs.savePath = path("report.txt");
  boxes.answers = {GetParam().answer};
  save();

  EXPECT_EQ(boxes.questions, std::vector<Question>{kOverwriteQuestion});
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  const std::string bytes = readFile(path("report.txt"));
  if (GetParam().replaced) {
    EXPECT_EQ(bytes, reportFileBytes(memoLines()).toStdString());
  } else {
    EXPECT_EQ(bytes, "earlier report\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Tollard, OverwriteQuestion,
                         ::testing::Values(Overwrite{"yes", shell::Answer::Yes, true},
                                           Overwrite{"no", shell::Answer::No, false},
                                           Overwrite{"cancel", shell::Answer::Cancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that cannot be written, in each of the ways a write fails on a real machine: the
// failure report names the file and the reason, an earlier file of that name stays whole, and
// the focus stays where it was.
class UnwritableFile : public SizingSaveTest, public ::testing::WithParamInterface<fileFaults::Fault> {};

TEST_P(UnwritableFile, GoesToTheFailureReportNamingTheFile) {
  const fileFaults::Fault& fault = GetParam();
  if (fault.needsNormalUser && ::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
  activate();
  solveWorkedExample();
  control("forgingVolumeTextBox")->setFocus();
  const fileFaults::ScratchFolder folder;
  const QString target = QString::fromStdString(fault.prepare(folder.path()).string());
  dialogs.savePath = target;
  boxes.answers = {shell::Answer::Yes};
  {
    std::optional<fileFaults::FileSizeLimit> limit;
    if (fault.limitFileSize) limit.emplace(64);
    save();
  }

  ASSERT_EQ(reporter.reports.size(), 1u);
  const std::string& report = reporter.reports[0];
  const std::string named = "Cannot create file \"" + target.toStdString() + "\". ";
  EXPECT_EQ(report.substr(0, named.size()), named);
  EXPECT_GT(report.size(), named.size() + 1) << "no reason given";
  EXPECT_EQ(report.back(), '.');
  if (fault.hasEarlierFile) {
    EXPECT_EQ(fileFaults::readFile(target.toStdString()), fileFaults::kEarlier);
  }
  EXPECT_EQ(QApplication::focusWidget(), control("forgingVolumeTextBox"));
}

INSTANTIATE_TEST_SUITE_P(Tollard, UnwritableFile, ::testing::ValuesIn(fileFaults::kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SizingSaveTest, MissingFolderIsNamedWithTheSystemsReason) {
  dialogs.savePath = path("missing/report.txt");
  save();
  EXPECT_EQ(reporter.reports, std::vector<std::string>{"Cannot create file \"" + path("missing/report.txt").toStdString() +
                                                       "\". No such file or directory."});
}

// The save dialog itself, as the window sets it up: a name typed without an extension gets the
// default one, no question of its own about an existing file.
struct Typed {
  const char* name;
  const char* typed;
  const char* chosen;
};

class SaveDialogName : public ::testing::TestWithParam<Typed> {};

TEST_P(SaveDialogName, GetsTheDefaultExtensionOnlyWhenItHasNone) {
  QTemporaryDir dir;
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  configureSaveDialog(dialog, {"Save to text file", "Text File (*.txt)", "txt", ""});
  dialog.setDirectory(dir.path());
  dialog.selectFile(GetParam().typed);
  QMetaObject::invokeMethod(&dialog, "accept");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.selectedFiles(), QStringList{dir.filePath(GetParam().chosen)});
}

INSTANTIATE_TEST_SUITE_P(Tollard, SaveDialogName,
                         ::testing::Values(Typed{"noExtension", "report", "report.txt"},
                                           Typed{"textExtension", "report.txt", "report.txt"},
                                           Typed{"otherExtension", "report.log", "report.log"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SizingSaveDialog, CarriesTheWindowsSettingsAndThePreviousName) {
  QTemporaryDir dir;
  const QString previous = dir.filePath("earlier.txt");
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  configureSaveDialog(dialog, {"Save to text file", "Text File (*.txt)", "txt", previous});
  EXPECT_EQ(dialog.windowTitle(), "Save to text file");
  EXPECT_EQ(dialog.nameFilters(), QStringList{"Text File (*.txt)"});
  EXPECT_EQ(dialog.defaultSuffix(), "txt");
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog.directory().absolutePath(), QDir(dir.path()).absolutePath());
  EXPECT_EQ(dialog.selectedFiles(), QStringList{previous});
}

}  // namespace
}  // namespace tollard::test
