#pragma once

#include <string>
#include <vector>

#include "core/ports/Logger.h"

namespace ondi::fakes {

class RecordingLogger final : public Logger {
 public:
  struct Entry {
    LogLevel level;
    std::string category;
    std::string message;
  };

  void log(LogLevel level, std::string_view category, std::string_view message) override {
    entries.push_back({level, std::string(category), std::string(message)});
  }

  std::vector<std::string> messages() const {
    std::vector<std::string> result;
    for (const Entry& entry : entries) result.push_back(entry.message);
    return result;
  }

  std::vector<Entry> entries;
};

}  // namespace ondi::fakes
