#pragma once
// Writing a whole file so that a failure never destroys an earlier file of the same name:
// the bytes go to a temporary file beside the target, which replaces the target only when
// complete. Used by the runs without a toolkit; the windows use QSaveFile for the same reason.
#include <stdexcept>
#include <string>
#include <string_view>

namespace shell {

// The failure of a file write: its text names the file and the system's reason.
class FileWriteFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Cannot create file "<path>". <reason>"
std::string cannotCreateFileText(std::string_view path, std::string_view reason);

// Creates or replaces the file at path with exactly these bytes. Throws FileWriteFailure.
void writeFileWhole(const std::string& path, std::string_view bytes);

}  // namespace shell
