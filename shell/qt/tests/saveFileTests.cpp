#include <gtest/gtest.h>
#include <unistd.h>

#include <QString>

#include "../../tests/fileFaults.h"
#include "fileWrite.h"
#include "saveFile.h"

namespace {

namespace fs = std::filesystem;

class SaveFileFaultTest : public ::testing::TestWithParam<fileFaults::Fault> {};

TEST_P(SaveFileFaultTest, FailsNamingTheFileAndKeepsTheEarlierOne) {
  const auto& fault = GetParam();
  if (fault.needsNormalUser && ::geteuid() == 0)
    GTEST_SKIP() << "root ignores permission bits; the run as nobody covers this";
  fileFaults::ScratchFolder folder;
  const fs::path target = fault.prepare(folder.path());
  const QString path = QString::fromStdString(target.string());
  const QByteArray bytes = QByteArray::fromStdString(fileFaults::bigContent());
  try {
    if (fault.limitFileSize) {
      fileFaults::FileSizeLimit limit(4096);
      shell::qt::saveFileWhole(path, bytes);
    } else {
      shell::qt::saveFileWhole(path, bytes);
    }
    FAIL() << "the write succeeded";
  } catch (const shell::FileWriteFailure& f) {
    EXPECT_EQ(std::string(f.what()).rfind("Cannot create file \"" + target.string() + "\". ", 0), 0u) << f.what();
  }
  if (fault.hasEarlierFile) {
    EXPECT_EQ(fileFaults::readFile(target), fileFaults::kEarlier);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SaveFileFaultTest, ::testing::ValuesIn(fileFaults::kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFile, ReplacesAnEarlierFileWhole) {
  fileFaults::ScratchFolder folder;
  const fs::path target = folder.path() / "out.txt";
  fileFaults::writeFile(target, fileFaults::kEarlier);
  shell::qt::saveFileWhole(QString::fromStdString(target.string()), QByteArray("new\r\n"));
  EXPECT_EQ(fileFaults::readFile(target), "new\r\n");
}

}  // namespace
