// How a step that can fail says so: it returns a Status, or a Result when it gives a value
// too, and the caller has to look. A failure is a message (common/message.h), so the window,
// the command line and a script all get the same words.
#pragma once

#include <optional>
#include <utility>

#include "common/message.h"

namespace chanforge::common {

// Nothing when the step worked, else the message that says why it did not.
class [[nodiscard]] Status {
 public:
  Status() = default;
  // A failure, as `return Say(kWording, {...});` writes it. An empty message is success.
  Status(Message failure) : failure_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return failure_.empty(); }
  const Message& message() const { return failure_; }
  bool operator==(const Status&) const = default;

 private:
  Message failure_;
};

// The value of a step that worked, or the Status of one that did not.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}             // NOLINT(google-explicit-constructor)
  Result(Status failure) : status_(std::move(failure)) {}   // NOLINT(google-explicit-constructor)
  Result(Message failure) : status_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }
  const Message& message() const { return status_.message(); }

  // Only when ok().
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace chanforge::common
