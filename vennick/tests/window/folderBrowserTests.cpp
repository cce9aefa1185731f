// The output folder browser: the lists at start, the three handlers that link them, the file
// masks, and a drive that cannot be read.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>

#include "folderBrowser/directoryListBox.h"
#include "folderBrowser/driveComboBox.h"
#include "folderBrowser/fileListBox.h"
#include "folderBrowser/filterComboBox.h"
#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

class FolderBrowserTest : public WindowTest {
 protected:
  QString here() const { return QDir(temporary.path()).canonicalPath(); }
  QString pathOf(const QString& relative) const { return QDir(here()).filePath(relative); }
  DriveComboBox* drives() const { return window->DriveComboBox1; }
  DirectoryListBox* folders() const { return window->DirectoryListBox1; }
  FileListBox* files() const { return window->FileListBox1; }
  FilterComboBox* filters() const { return window->FilterComboBox1; }
  // Opens an entry of the folder list by its text, with a double click as the user does.
  void doubleClickFolder(const QString& text) {
    QApplication::processEvents();
    const QList<QListWidgetItem*> found = folders()->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QRect place = folders()->visualItemRect(found.front());
    // A double click is a click and then the double click.
    QTest::mouseClick(folders()->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    QTest::mouseDClick(folders()->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
  }
};

TEST_F(FolderBrowserTest, BothListsShowTheWorkingDirectoryAtStart) {
  touch(QStringLiteral("notes.txt"));
  openWindow();
  EXPECT_EQ(QDir(folders()->directory()).canonicalPath(), here());
  EXPECT_EQ(QDir(files()->directory()).canonicalPath(), here());
  EXPECT_EQ(window->outputFolder(), folders()->directory());
  EXPECT_EQ(drives()->drive(), kRootVolume);
  EXPECT_EQ(files()->fileNames(), QStringList{QStringLiteral("notes.txt")});
}

TEST_F(FolderBrowserTest, TheFilterListHoldsTheFourFileTypesWithTheFirstApplied) {
  ASSERT_EQ(filters()->count(), 4);
  const QStringList descriptions{"Text files (*.txt)", "Pascal files (*.pas)", "Exetutable files (*.exe)",
                                 "All files (*.*)"};
  const QStringList masks{"*.TXT", "*.PAS", "*.exe", "*.*"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(filters()->itemText(i), descriptions[i]);
    EXPECT_EQ(filters()->itemData(i).toString(), masks[i]);
  }
  EXPECT_EQ(filters()->currentIndex(), 0);
  EXPECT_EQ(files()->mask(), QStringLiteral("*.TXT"));
}

struct MaskCase {
  const char* name;
  int entry;
  QStringList shown;
};

class FileMaskChoice : public FolderBrowserTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(FileMaskChoice, ShowsTheMatchingFilesWithoutRegardToCase) {
  for (const char* name : {"a.txt", "B.TXT", "c.Pas", "D.PAS", "e.exe", "F.EXE", "plain", "g.txt.bak", ".hidden.txt"})
    touch(QString::fromLatin1(name));
  ASSERT_TRUE(QDir(here()).mkdir(QStringLiteral("folder.txt")));
  files()->setDirectory(here());
  filters()->setCurrentIndex(GetParam().entry);
  EXPECT_EQ(files()->fileNames(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FileMaskChoice,
    ::testing::Values(MaskCase{"TextFiles", 0, {"a.txt", "B.TXT"}}, MaskCase{"PascalFiles", 1, {"c.Pas", "D.PAS"}},
                      MaskCase{"ExecutableFiles", 2, {"e.exe", "F.EXE"}},
                      MaskCase{"AllFiles", 3, {"a.txt", "B.TXT", "c.Pas", "D.PAS", "e.exe", "F.EXE", "g.txt.bak", "plain"}}),
    [](const ::testing::TestParamInfo<MaskCase>& info) { return std::string(info.param.name); });

TEST_F(FolderBrowserTest, OpeningAFolderMovesTheFileListAndTheOutputThere) {
  ASSERT_TRUE(QDir(here()).mkpath(QStringLiteral("runs/press")));
  touch(QStringLiteral("runs/result.txt"));
  folders()->setDirectory(here());
  doubleClickFolder(QStringLiteral("runs"));
  EXPECT_EQ(folders()->directory(), pathOf(QStringLiteral("runs")));
  EXPECT_EQ(files()->directory(), pathOf(QStringLiteral("runs")));
  EXPECT_EQ(files()->fileNames(), QStringList{QStringLiteral("result.txt")});
  EXPECT_EQ(window->outputFolder(), pathOf(QStringLiteral("runs")));
  // The sub-folder is listed below; the parent chain above leads back up.
  EXPECT_EQ(folders()->findItems(QStringLiteral("press"), Qt::MatchExactly).size(), 1);
  doubleClickFolder(QDir(here()).dirName());
  EXPECT_EQ(folders()->directory(), here());
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(FolderBrowserTest, AFolderThatCannotBeOpenedIsReportedAndNothingMoves) {
  ASSERT_TRUE(QDir(here()).mkdir(QStringLiteral("gone")));
  folders()->setDirectory(here());
  ASSERT_TRUE(QDir(here()).rmdir(QStringLiteral("gone")));
  doubleClickFolder(QStringLiteral("gone"));
  EXPECT_EQ(boxes.reports, std::vector<std::string>{"Cannot read folder \"" + pathOf("gone").toStdString() + "\""});
  EXPECT_EQ(folders()->directory(), here());
}

TEST_F(FolderBrowserTest, ChoosingADriveShowsItsCurrentFolderInBothLists) {
  ASSERT_TRUE(QDir(here()).mkpath(QStringLiteral("stick/data")));
  touch(QStringLiteral("stick/data/old.txt"));
  volumes.list.append({pathOf(QStringLiteral("stick")), QStringLiteral("Stick")});
  openWindow();
  drives()->setDrive(pathOf(QStringLiteral("stick")));
  EXPECT_EQ(folders()->directory(), pathOf(QStringLiteral("stick")));
  doubleClickFolder(QStringLiteral("data"));
  // Back to the root volume and again to the stick: each drive keeps its own folder.
  drives()->setDrive(kRootVolume);
  EXPECT_EQ(folders()->directory(), here());
  drives()->setDrive(pathOf(QStringLiteral("stick")));
  EXPECT_EQ(folders()->directory(), pathOf(QStringLiteral("stick/data")));
  EXPECT_EQ(files()->directory(), pathOf(QStringLiteral("stick/data")));
  EXPECT_EQ(files()->fileNames(), QStringList{QStringLiteral("old.txt")});
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(FolderBrowserTest, ADriveThatCannotBeReadIsRefusedAndTheRootVolumeChosenAgain) {
  const QString missing = pathOf(QStringLiteral("no-medium"));
  volumes.list.append({missing, QStringLiteral("cd")});
  openWindow();
  drives()->setDrive(missing);
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"Drive '" + missing.toStdString() + "/' does not exist"});
  EXPECT_EQ(drives()->drive(), kRootVolume);
  EXPECT_EQ(folders()->directory(), here());
  EXPECT_EQ(files()->directory(), here());
  EXPECT_TRUE(boxes.reports.empty());
}

}  // namespace
}  // namespace vennick::testing
