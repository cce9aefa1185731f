#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fileWrite.h"

using namespace shell;
namespace fs = std::filesystem;

namespace {

class FileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("fileWriteTest." + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  static std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }
  fs::path dir_;
};

TEST_F(FileWriteTest, WritesAndReplacesWhole) {
  const auto path = (dir_ / "a.txt").string();
  writeFileWhole(path, "first\r\n");
  writeFileWhole(path, std::string("x\0y", 3));
  EXPECT_EQ(read(path), std::string("x\0y", 3));
  EXPECT_EQ(entries(), 1u);  // no temporary file left behind
}

TEST_F(FileWriteTest, AMissingFolderNamesTheFileAndTheReason) {
  const auto path = (dir_ / "gone" / "a.txt").string();
  try {
    writeFileWhole(path, "x");
    FAIL();
  } catch (const FileWriteFailure& f) {
    EXPECT_EQ(std::string(f.what()), "Cannot create file \"" + path + "\". No such file or directory");
  }
}

TEST_F(FileWriteTest, AFailedWriteKeepsTheEarlierFile) {
  const auto path = (dir_ / "a.txt").string();
  writeFileWhole(path, "earlier content");
  // A file-size limit makes the write fail half-way, as a full disk would.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(writeFileWhole(path, std::string(100000, 'z')), FileWriteFailure);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(read(path), "earlier content");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(FileWriteTest, ATargetThatIsAFolderFailsAndStays) {
  fs::create_directories(dir_ / "sub");
  EXPECT_THROW(writeFileWhole((dir_ / "sub").string(), "x"), FileWriteFailure);
  EXPECT_TRUE(fs::is_directory(dir_ / "sub"));
  EXPECT_EQ(entries(), 1u);
}

}  // namespace
