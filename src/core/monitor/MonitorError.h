#pragma once

#include <string>

namespace ondi {

// Why a monitor request failed: an HTTP status outside 200–299, or a finished sentence.
class MonitorError {
 public:
  static MonitorError http(int statusCode) { return {statusCode, {}}; }
  static MonitorError message(std::string text) { return {0, std::move(text)}; }

  // The status of an HTTP failure; 0 for a sentence.
  int statusCode() const { return statusCode_; }
  std::string description() const {
    if (statusCode_ == 0) return message_;
    return "Live browser returned HTTP " + std::to_string(statusCode_) + ".";
  }

 private:
  MonitorError(int statusCode, std::string message)
      : statusCode_(statusCode), message_(std::move(message)) {}
  int statusCode_;
  std::string message_;
};

}  // namespace ondi
