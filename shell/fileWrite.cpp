#include "fileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace shell {

std::string cannotCreateFileText(std::string_view path, std::string_view reason) {
  std::string text = "Cannot create file \"";
  text.append(path);
  text.append("\". ");
  text.append(reason);
  return text;
}

namespace {
[[noreturn]] void fail(const std::string& path, int error) {
  throw FileWriteFailure(cannotCreateFileText(path, std::strerror(error)));
}
}  // namespace

void writeFileWhole(const std::string& path, std::string_view bytes) {
  std::vector<char> temp(path.begin(), path.end());
  const char suffix[] = ".XXXXXX";
  temp.insert(temp.end(), suffix, suffix + sizeof suffix);
  const int fd = mkstemp(temp.data());
  if (fd < 0) fail(path, errno);

  auto abandon = [&](int error) {
    ::close(fd);
    ::unlink(temp.data());
    fail(path, error);
  };
  // mkstemp makes the file private; give it the mode a plain create would.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd, 0666 & ~mask) != 0) abandon(errno);

  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon(errno);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) abandon(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.data());
    fail(path, error);
  }
  if (std::rename(temp.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.data());
    fail(path, error);
  }
}

}  // namespace shell
