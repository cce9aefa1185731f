// The Report lines without a toolkit: what the press window's memo holds, for the tests and the
// benchmark of the sampling run. The lines live in one buffer, each followed by CR LF, so that
// saving them is one whole-file write.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vennick {

class ReportLines {
 public:
  void clear() { text_.clear(); }
  void add(std::string_view line) {
    text_.append(line);
    text_.append("\r\n");
  }
  // Writes the lines, each followed by CR LF, through shell::writeFileWhole: an earlier file of
  // that name is replaced only by a complete new one. Throws shell::FileWriteFailure.
  void save(const std::string& path) const;

  // The lines as they would be saved (CR LF after each, the last one too).
  const std::string& text() const { return text_; }
  std::vector<std::string> lines() const;

 private:
  std::string text_;
};

}  // namespace vennick
