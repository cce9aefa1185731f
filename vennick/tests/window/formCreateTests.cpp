// Creating and closing the window: the creation steps in their order, a font file that cannot
// be written, and the exit question on every close request.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include "folderBrowser/fileListBox.h"
#include "folderBrowser/filterComboBox.h"
#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

TEST_F(WindowTest, CreationInstallsTheFontSetsTheFilterAndShowsTheClock) {
  EXPECT_TRUE(QFile::exists(QStringLiteral("AppResources/GreekCNew.ttf")));
  EXPECT_EQ(QFontInfo(find("Label14")->font()).family(), QStringLiteral("GreekC"));
  EXPECT_EQ(window->FilterComboBox1->count(), 4);
  EXPECT_NE(find<QLabel>("timeLabel")->text(), QStringLiteral("timeLabel"));
  EXPECT_EQ(find<QLabel>("precisionLabel")->text(), QStringLiteral("8"));
}

TEST_F(WindowTest, AFontFileThatCannotBeWrittenSkipsTheLaterCreationSteps) {
  // A file where the font folder should be: the font file cannot be created, even by root.
  window.reset();
  ASSERT_TRUE(QDir(QStringLiteral("AppResources")).removeRecursively());
  touch(QStringLiteral("AppResources"), "not a folder");
  openWindow();
  ASSERT_EQ(boxes.reports.size(), 1u);
  EXPECT_EQ(boxes.reports[0].rfind("Cannot create file \"./AppResources/GreekCNew.ttf\"", 0), 0u) << boxes.reports[0];
  // Done before the font: the row count and the precision.
  EXPECT_EQ(window->operationCount(), 1);
  EXPECT_EQ(find<QLabel>("precisionLabel")->text(), QStringLiteral("8"));
  // Skipped after it: the symbol face, the file types and the first clock text.
  EXPECT_NE(QFontInfo(find("Label14")->font()).family(), QStringLiteral("GreekC"));
  ASSERT_EQ(window->FilterComboBox1->count(), 1);
  EXPECT_EQ(window->FilterComboBox1->itemText(0), QStringLiteral("All files (*.*)"));
  EXPECT_EQ(window->FileListBox1->mask(), QStringLiteral("*.*"));
  EXPECT_EQ(find<QLabel>("timeLabel")->text(), QStringLiteral("timeLabel"));
  // The window works otherwise.
  window->addOperationButtonClick();
  EXPECT_EQ(window->operationCount(), 2);
}

struct CloseCase {
  const char* name;
  shell::Answer answer;
  bool closes;
};

class CloseRequest : public WindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRequest, ClosesOnlyAfterYes) {
  boxes.answer = GetParam().answer;
  EXPECT_EQ(window->close(), GetParam().closes);
  EXPECT_EQ(window->isVisible(), !GetParam().closes);
  EXPECT_EQ(boxes.questions, std::vector<std::string>{shell::kExitQuestion});
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseRequest,
                         ::testing::Values(CloseCase{"Yes", shell::Answer::Yes, true},
                                           CloseCase{"No", shell::Answer::No, false},
                                           CloseCase{"Cancel", shell::Answer::Cancel, false}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vennick::testing
