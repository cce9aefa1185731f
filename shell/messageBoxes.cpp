#include "messageBoxes.h"

namespace shell {

bool exitQuestion(MessageBoxes& boxes) {
  return boxes.confirmationBox(kExitQuestion, kExitCaption) == Answer::Yes;
}

std::string failureReportText(const std::string& failureText) {
  // Bytes compare unsigned, so a text ending in a non-ASCII letter gets its full stop too.
  if (failureText.empty() || static_cast<unsigned char>(failureText.back()) <= '.') return failureText;
  return failureText + ".";
}

}  // namespace shell
