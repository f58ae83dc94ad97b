#pragma once

#include <optional>
#include <utility>

namespace kestravane::platform {

// What a call of the system gave back: its value, or the system's error
// number when it failed, for the game to name in its box or status line.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}

  static Result Failure(int error) {
    Result result;
    result.error_ = error;
    return result;
  }

  explicit operator bool() const { return value_.has_value(); }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }

  // The system's error number; 0 after success.
  int error() const { return error_; }

 private:
  Result() = default;

  std::optional<T> value_;
  int error_ = 0;
};

// A call that gives nothing back but may fail.
struct Done {};
using Status = Result<Done>;

}  // namespace kestravane::platform
