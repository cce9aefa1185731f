#pragma once
// The one guard around every handler body: an escaping exception goes to the general failure
// report and never reaches Qt's event loop.
#include <functional>

#include "qtMessageBoxes.h"

namespace shell::qt {

// Runs body; returns false when a failure escaped it (and was reported).
bool runGuarded(FailureReporter& reporter, const std::function<void()>& body) noexcept;

}  // namespace shell::qt
