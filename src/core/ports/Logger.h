#pragma once

#include <string>
#include <string_view>

namespace ondi {

enum class LogLevel { debug, info, notice, warning, error };

// The system log. Messages are finished sentences with their values already substituted;
// callers never pass secrets.
class Logger {
 public:
  virtual ~Logger() = default;
  virtual void log(LogLevel level, std::string_view category, std::string_view message) = 0;

  void info(std::string_view category, std::string_view message) {
    log(LogLevel::info, category, message);
  }
  void error(std::string_view category, std::string_view message) {
    log(LogLevel::error, category, message);
  }
};

}  // namespace ondi
