#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fileFaults.h"
#include "fileWrite.h"

using namespace shell;
namespace fs = std::filesystem;

namespace {

std::size_t entries(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(FileWrite, WritesAndReplacesWhole) {
  fileFaults::ScratchFolder folder;
  const auto path = (folder.path() / "a.txt").string();
  writeFileWhole(path, "first\r\n");
  writeFileWhole(path, std::string("x\0y", 3));
  EXPECT_EQ(fileFaults::readFile(path), std::string("x\0y", 3));
  EXPECT_EQ(entries(folder.path()), 1u);  // no temporary file left behind
}

TEST(FileWrite, TheFailureTextNamesTheFileAndTheReason) {
  fileFaults::ScratchFolder folder;
  const auto path = (folder.path() / "gone" / "a.txt").string();
  try {
    writeFileWhole(path, "x");
    FAIL();
  } catch (const FileWriteFailure& f) {
    EXPECT_EQ(std::string(f.what()), "Cannot create file \"" + path + "\". No such file or directory");
  }
}

class FileWriteFaultTest : public ::testing::TestWithParam<fileFaults::Fault> {};

TEST_P(FileWriteFaultTest, FailsNamingTheFileAndKeepsTheEarlierOne) {
  const auto& fault = GetParam();
  if (fault.needsNormalUser && ::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits; the run as nobody covers this";
  fileFaults::ScratchFolder folder;
  const fs::path target = fault.prepare(folder.path());
  try {
    if (fault.limitFileSize) {
      fileFaults::FileSizeLimit limit(4096);
      writeFileWhole(target.string(), fileFaults::bigContent());
    } else {
      writeFileWhole(target.string(), fileFaults::bigContent());
    }
    FAIL() << "the write succeeded";
  } catch (const FileWriteFailure& f) {
    EXPECT_NE(std::string(f.what()).find("\"" + target.string() + "\""), std::string::npos) << f.what();
  }
  if (fault.hasEarlierFile) {
    EXPECT_EQ(fileFaults::readFile(target), fileFaults::kEarlier);
  }
  // No temporary file is left beside the target.
  if (fs::is_directory(target.parent_path())) {
    for (const auto& e : fs::directory_iterator(target.parent_path())) {
      EXPECT_EQ(e.path().filename().string().find(target.filename().string() + "."), std::string::npos) << e.path();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, FileWriteFaultTest, ::testing::ValuesIn(fileFaults::kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
