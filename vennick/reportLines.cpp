#include "reportLines.h"

#include "fileWrite.h"

namespace vennick {

void ReportLines::save(const std::string& path) const { shell::writeFileWhole(path, text_); }

std::vector<std::string> ReportLines::lines() const {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text_.size()) {
    const std::size_t end = text_.find("\r\n", start);
    out.emplace_back(text_, start, end - start);
    start = end + 2;
  }
  return out;
}

}  // namespace vennick
