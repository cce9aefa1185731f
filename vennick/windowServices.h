#pragma once
// What the press window needs from outside: the boxes, the general failure report, the drives
// and the locale's decimal separator. The program passes the real ones; tests pass fakes.
#include <functional>

namespace shell {
class MessageBoxes;
}
namespace shell::qt {
class FailureReporter;
}

namespace vennick {

class VolumeSource;

struct WindowServices {
  shell::MessageBoxes* boxes = nullptr;
  shell::qt::FailureReporter* reporter = nullptr;
  const VolumeSource* volumes = nullptr;
  // Read at every use, so that a change of the locale's settings takes effect at once.
  std::function<char()> decimalSeparator;
};

}  // namespace vennick
