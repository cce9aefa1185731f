#pragma once
// The failures of the programs' arithmetic. Each is raised where it happens, so that no NaN
// or infinity ever reaches a result; what() is the text the user sees in the failure report.
#include <stdexcept>
#include <string>

namespace shell {

// Common base, so that a caller can tell an arithmetic failure from any other.
class FloatFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// 0/0, the root or logarithm of a negative, arc cosine outside [-1, 1],
// a conversion to a 64-bit integer out of range.
class InvalidOperation : public FloatFailure {
 public:
  InvalidOperation() : FloatFailure("Invalid floating point operation") {}
};

// A non-zero value divided by 0 (and the logarithm of 0).
class DivisionByZero : public FloatFailure {
 public:
  DivisionByZero() : FloatFailure("Floating point division by zero") {}
};

// A result beyond the double range.
class Overflow : public FloatFailure {
 public:
  Overflow() : FloatFailure("Floating point overflow") {}
};

// A text that is not a number: its own type, so that the input checks can catch it alone.
class ConversionFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace shell
