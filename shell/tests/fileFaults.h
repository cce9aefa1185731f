#pragma once
// The ways a file write can fail on a real machine, as a table that every writer of the
// programs is tested against: the write must raise a failure whose text names the file, and an
// earlier file of that name must still be whole afterwards.
//
// Permission bits do not stop root. The no-write-access rows skip themselves under root; ctest
// runs the binary a second time as the unprivileged user "nobody" (see shell/tests/CMakeLists.txt)
// where they run for real.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace fileFaults {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "fileFaults.XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

inline std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeFile(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// A file-size limit for the duration of a write: the write fails part-way, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    struct rlimit small = old_;
    small.rlim_cur = bytes;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  struct rlimit old_ {};
  void (*oldHandler_)(int) = nullptr;
};

inline const std::string kEarlier = "earlier content\r\n";

struct Fault {
  const char* name;
  // Prepares the folder and returns the path the write goes to; may leave an earlier file there.
  std::function<fs::path(const fs::path& folder)> prepare;
  bool needsNormalUser = false;
  bool limitFileSize = false;
  // Whether prepare() left an earlier file at the target that must survive.
  bool hasEarlierFile = true;
};

inline const Fault kFaults[] = {
    {"FolderDoesNotExist", [](const fs::path& f) { return f / "gone" / "out.txt"; }, false, false, false},
    {"FolderWithoutWriteAccess",
     [](const fs::path& f) {
       fs::create_directories(f / "locked");
       writeFile(f / "locked" / "out.txt", kEarlier);
       fs::permissions(f / "locked", fs::perms::owner_read | fs::perms::owner_exec);
       return f / "locked" / "out.txt";
     },
     true},
    {"DiskFillsUpMidWrite",
     [](const fs::path& f) {
       writeFile(f / "out.txt", kEarlier);
       return f / "out.txt";
     },
     false, true},
    {"NameTooLong", [](const fs::path& f) { return f / (std::string(300, 'n') + ".txt"); }, false, false, false},
    {"PathThroughAFile",
     [](const fs::path& f) {
       writeFile(f / "plain", kEarlier);
       return f / "plain" / "out.txt";
     },
     false, false, false},
    {"TargetIsAFolder",
     [](const fs::path& f) {
       fs::create_directories(f / "out.txt");
       return f / "out.txt";
     },
     false, false, false},
};

// Bytes large enough to pass any small file-size limit.
inline std::string bigContent() { return std::string(256 * 1024, 'x'); }

}  // namespace fileFaults
