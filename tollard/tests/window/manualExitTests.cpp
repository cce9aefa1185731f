// Help, Manual; File, Exit and Alt+F4; the window's close request; the menu shortcuts.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTest>
#include <QTimer>

#include "embeddedResources.h"
#include "windowFixture.h"

namespace tollard::test {
namespace {

class SizingManualTest : public SizingWindowTest {
 protected:
  void openManual() { form->findChild<QAction*>("Contents1")->trigger(); }
  QString manualPath() { return QDir::cleanPath(path("AppResources/manual_tollard.pdf")); }
};

TEST_F(SizingManualTest, MissingManualIsWrittenFromTheResourceAndOpened) {
  openManual();
  ASSERT_TRUE(reporter.reports.empty());
  EXPECT_EQ(QByteArray::fromStdString(readFile(manualPath())), shell::qt::loadResource("RT_RCDATA", "PDF_MANUAL"));
  EXPECT_EQ(dialogs.opened, QStringList{manualPath()});
  // The second time the file is there and is opened as it is.
  openManual();
  EXPECT_EQ(dialogs.opened, QStringList({manualPath(), manualPath()}));
}

TEST_F(SizingManualTest, ExistingManualIsOpenedUnchanged) {
  writeFile(manualPath(), "another manual");
  openManual();
  EXPECT_TRUE(reporter.reports.empty());
  EXPECT_EQ(readFile(manualPath()), "another manual");
  EXPECT_EQ(dialogs.opened, QStringList{manualPath()});
}

TEST_F(SizingManualTest, ManualThatCannotBeWrittenIsReportedAndNotOpened) {
  // The font install made AppResources at start; without it the manual has nowhere to go.
  ASSERT_TRUE(QDir(path("AppResources")).removeRecursively());
  openManual();
  EXPECT_EQ(reporter.reports, std::vector<std::string>{
                                  "Cannot create file \"./AppResources/manual_tollard.pdf\". No such file or directory."});
  EXPECT_TRUE(dialogs.opened.isEmpty());
  EXPECT_FALSE(QDir(path("AppResources")).exists());
}

// Exit through the menu or Alt+F4: the exit question once; Yes ends the message loop.
enum class Way { Menu, AltF4 };

struct Exiting {
  const char* name;
  Way way;
  shell::Answer answer;
  bool ends;
};

class ExitCommand : public SizingWindowTest, public ::testing::WithParamInterface<Exiting> {};

constexpr int kStillRunning = 7;

TEST_P(ExitCommand, AsksOnceAndEndsTheLoopOnlyOnYes) {
  const Exiting& e = GetParam();
  activate();
  boxes.answers = {e.answer};
  QTimer::singleShot(0, form.get(), [&] {
    if (e.way == Way::Menu) {
      form->findChild<QAction*>("Exit1")->trigger();
    } else {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::AltModifier);
    }
  });
  // Ends the loop when the command did not.
  QTimer::singleShot(200, form.get(), [] { QCoreApplication::exit(kStillRunning); });
  const int loopResult = QApplication::exec();

  EXPECT_EQ(boxes.questions, std::vector<Question>{kExitQuestion});
  EXPECT_EQ(loopResult, e.ends ? 0 : kStillRunning);
  // The window is not closed by the command: the program ends when the loop has ended.
  EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Tollard, ExitCommand,
                         ::testing::Values(Exiting{"menuYes", Way::Menu, shell::Answer::Yes, true},
                                           Exiting{"menuNo", Way::Menu, shell::Answer::No, false},
                                           Exiting{"menuCancel", Way::Menu, shell::Answer::Cancel, false},
                                           Exiting{"altF4Yes", Way::AltF4, shell::Answer::Yes, true},
                                           Exiting{"altF4No", Way::AltF4, shell::Answer::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Closing {
  const char* name;
  shell::Answer answer;
  bool closes;
};

class CloseRequest : public SizingWindowTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(CloseRequest, ClosesOnlyOnYes) {
  activate();
  boxes.answers = {GetParam().answer};
  EXPECT_EQ(form->close(), GetParam().closes);
  EXPECT_EQ(boxes.questions, std::vector<Question>{kExitQuestion});
  EXPECT_EQ(form->isVisible(), !GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(Tollard, CloseRequest,
                         ::testing::Values(Closing{"yes", shell::Answer::Yes, true},
                                           Closing{"no", shell::Answer::No, false},
                                           Closing{"cancel", shell::Answer::Cancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SizingWindowTest, DestroyedWindowRemovesTheSymbolFontAndLeavesItsFile) {
  EXPECT_TRUE(QFontDatabase::families().contains("GreekC"));
  form.reset();
  EXPECT_FALSE(QFontDatabase::families().contains("GreekC"));
  EXPECT_TRUE(QFile::exists(path("AppResources/GreekCNew.ttf")));
}

struct Shortcut {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int saveDialogs, printDialogs;
};

class MenuShortcut : public SizingWindowTest, public ::testing::WithParamInterface<Shortcut> {};

TEST_P(MenuShortcut, RunsItsCommand) {
  const Shortcut& s = GetParam();
  activate();
  dialogs.confirmPrint = false;
  QTest::keyClick(QApplication::focusWidget(), s.key, s.modifiers);
  EXPECT_EQ(static_cast<int>(dialogs.saveRequests.size()), s.saveDialogs);
  EXPECT_EQ(dialogs.printDialogs, s.printDialogs);
}

INSTANTIATE_TEST_SUITE_P(Tollard, MenuShortcut,
                         ::testing::Values(Shortcut{"ctrlS", Qt::Key_S, Qt::ControlModifier, 1, 0},
                                           Shortcut{"ctrlP", Qt::Key_P, Qt::ControlModifier, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tollard::test
