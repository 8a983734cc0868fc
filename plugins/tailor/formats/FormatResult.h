#pragma once
#include <string>
#include <utility>

// What a file-format operation gives back: success, or the message that the
// calling window shows to the user (none when the message is empty).
class FormatResult {
public:
  static FormatResult success() { return FormatResult(); }
  static FormatResult failure(std::string message) { return FormatResult(std::move(message)); }

  bool ok() const { return ok_; }
  const std::string& message() const { return message_; }

private:
  FormatResult() : ok_(true) {}
  explicit FormatResult(std::string message) : ok_(false), message_(std::move(message)) {}

  bool ok_;
  std::string message_;
};
