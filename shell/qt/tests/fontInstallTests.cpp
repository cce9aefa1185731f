// The symbol font install: the file written once and whole, the font added and given to the
// symbol labels, a write failure reported with the file's name and the later steps skipped.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPainterPath>
#include <QRawFont>

#include "embeddedResources.h"
#include "fileWrite.h"
#include "fontInstall.h"
#include "handlerGuard.h"
#include "testSupport.h"
#include "windowShell.h"

namespace {

using shell::qt::FontInstall;
using shell_qt_tests::RecordingReporter;
using shell_qt_tests::ScopedCurrentDir;

QByteArray greekCBytes() { return shell::qt::loadResource("RT_FONT", "GREEKC_FONT"); }

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

bool greekFamilyInstalled() { return QFontDatabase::families().contains(QStringLiteral("GreekC")); }

class FontInstallTest : public testing::Test {
 protected:
  ScopedCurrentDir dir;
  QLabel symbol{QStringLiteral("d")};
  QLabel plain{QStringLiteral("V")};
  FontInstall install;

  void SetUp() override {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    font.setItalic(true);
    symbol.setFont(font);
    plain.setFont(font);
  }
};

TEST_F(FontInstallTest, FirstStartWritesTheFontAndGivesItToTheSymbolLabelsOnly) {
  install.install({&symbol});

  EXPECT_TRUE(QFileInfo(QStringLiteral("AppResources")).isDir());
  EXPECT_EQ(fileBytes(QStringLiteral("AppResources/GreekCNew.ttf")), greekCBytes());
  EXPECT_TRUE(greekFamilyInstalled());
  EXPECT_EQ(symbol.font().family(), QStringLiteral("GreekC"));
  EXPECT_EQ(symbol.font().pointSize(), 10);
  EXPECT_TRUE(symbol.font().italic());
  EXPECT_EQ(plain.font().family(), QStringLiteral("DejaVu Sans"));
}

TEST_F(FontInstallTest, AnExistingFileIsLeftAsItIs) {
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("AppResources")));
  writeFile(QStringLiteral("AppResources/GreekCNew.ttf"), "not a font");

  install.install({&symbol});

  EXPECT_EQ(fileBytes(QStringLiteral("AppResources/GreekCNew.ttf")), QByteArray("not a font"));
  // The labels ask for the family all the same; the font system then draws another face.
  EXPECT_EQ(symbol.font().family(), QStringLiteral("GreekC"));
  EXPECT_FALSE(greekFamilyInstalled());
}

TEST_F(FontInstallTest, TheFontIsTakenFromTheCurrentDirectoryAtInstall) {
  ScopedCurrentDir other;  // a second folder, current from now on
  install.install({&symbol});
  EXPECT_TRUE(QFile::exists(other.path() + "/AppResources/GreekCNew.ttf"));
  EXPECT_FALSE(QFile::exists(dir.path() + "/AppResources"));
}

TEST_F(FontInstallTest, RemovalTakesTheFamilyAwayAndLeavesTheFile) {
  install.install({&symbol});
  install.install({&symbol});  // a second install replaces the first registration
  ASSERT_TRUE(greekFamilyInstalled());
  install.remove();
  EXPECT_FALSE(greekFamilyInstalled());
  EXPECT_TRUE(QFile::exists(QStringLiteral("AppResources/GreekCNew.ttf")));
}

// Which Greek glyph a Latin key draws in GreekC: the outline must be the one DejaVu Sans has for
// the Greek letter, and not the Latin letter's own.
struct KeyGlyph {
  const char* name;
  char16_t key;
  char16_t greek;
};

class GreekKey : public FontInstallTest, public testing::WithParamInterface<KeyGlyph> {};

QPainterPath outline(const QRawFont& font, char16_t character) {
  const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(character)));
  return glyphs.isEmpty() || glyphs[0] == 0 ? QPainterPath() : font.pathForGlyph(glyphs[0]);
}

TEST_P(GreekKey, DrawsTheGreekLetterOfDejaVuSans) {
  install.install({&symbol});
  QFont greek(QStringLiteral("GreekC"));
  greek.setPixelSize(200);
  const QRawFont installed = QRawFont::fromFont(greek);
  ASSERT_EQ(installed.familyName(), QStringLiteral("GreekC"));
  const QRawFont dejaVu(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"), 200);
  ASSERT_TRUE(dejaVu.isValid());

  const QPainterPath drawn = outline(installed, GetParam().key);
  ASSERT_FALSE(drawn.isEmpty());
  EXPECT_EQ(drawn, outline(dejaVu, GetParam().greek));
  EXPECT_NE(drawn, outline(dejaVu, GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(WindowSymbols, GreekKey,
                         testing::Values(KeyGlyph{"d_delta", u'd', u'\u03B4'}, KeyGlyph{"l_lambda", u'l', u'\u03BB'},
                                         KeyGlyph{"D_Delta", u'D', u'\u0394'}, KeyGlyph{"q_theta", u'q', u'\u03B8'},
                                         KeyGlyph{"w_omega", u'w', u'\u03C9'}),
                         [](const auto& info) { return std::string(info.param.name); });

// A write that fails is reported through the guard with the file's name and the system's reason;
// the font is not added, the labels keep their face and the clock label keeps its caption.
struct WriteFault {
  const char* name;
  bool needsNormalUser;   // root ignores permission bits
  void (*prepare)();      // in the empty current directory
  const char* reason;
};

class FontInstallWithoutWriteAccess : public FontInstallTest, public testing::WithParamInterface<WriteFault> {};

TEST_P(FontInstallWithoutWriteAccess, ReportsTheFileAndSkipsTheLaterSteps) {
  const WriteFault& fault = GetParam();
  if (fault.needsNormalUser && ::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits; the run as nobody covers this";
  fault.prepare();
  QLabel timeLabel(QStringLiteral("timeLabel"));
  RecordingReporter reporter;

  const bool ran = shell::qt::runGuarded(reporter, [&] {
    install.install({&symbol});
    shell::qt::refreshClock(&timeLabel);
  });

  EXPECT_FALSE(ran);
  ASSERT_EQ(reporter.reports.size(), 1u);
  EXPECT_EQ(reporter.reports[0], std::string("Cannot create file \"./AppResources/GreekCNew.ttf\". ") + fault.reason);
  EXPECT_FALSE(greekFamilyInstalled());
  EXPECT_EQ(symbol.font().family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(timeLabel.text(), QStringLiteral("timeLabel"));
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FontInstallWithoutWriteAccess,
    testing::Values(
        WriteFault{"CurrentDirectoryReadOnly", true,
                   [] { QFile::setPermissions(QStringLiteral("."), QFile::ReadOwner | QFile::ExeOwner); },
                   "No such file or directory"},
        WriteFault{"FolderReadOnly", true,
                   [] {
                     QDir().mkdir(QStringLiteral("AppResources"));
                     QFile::setPermissions(QStringLiteral("AppResources"), QFile::ReadOwner | QFile::ExeOwner);
                   },
                   "Permission denied"},
        WriteFault{"FolderNameTakenByAFile", false,
                   [] {
                     QFile file(QStringLiteral("AppResources"));
                     file.open(QIODevice::WriteOnly);
                   },
                   "Not a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
