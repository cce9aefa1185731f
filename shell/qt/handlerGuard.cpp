#include "handlerGuard.h"

#include <exception>

namespace shell::qt {

namespace {
constexpr const char* kUnknownFailure = "Unknown failure";
}

bool runGuarded(FailureReporter& reporter, const std::function<void()>& body) noexcept {
  std::string failureText;
  try {
    body();
    return true;
  } catch (const std::exception& failure) {
    try {
      failureText = failure.what();
    } catch (...) {
      failureText = kUnknownFailure;
    }
  } catch (...) {
    failureText = kUnknownFailure;
  }
  // A failure of the report itself has nowhere left to go; it must not reach the event loop.
  try {
    reporter.report(failureText);
  } catch (...) {
  }
  return false;
}

}  // namespace shell::qt
