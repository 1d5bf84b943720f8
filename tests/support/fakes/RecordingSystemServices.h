#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/ports/SystemServices.h"

namespace ondi::fakes {

class RecordingSystemServices final : public SystemServices {
 public:
  void openWithDefaultHandler(const std::string& url) override { openedURLs.push_back(url); }
  bool hasDefaultHandler(const std::string& url) const override {
    return !unhandledSchemes.contains(url.substr(0, url.find(':')));
  }
  void setClipboardText(const std::optional<std::string>& text) override {
    clipboard = text;
    ++clipboardWrites;
  }

  std::vector<std::string> openedURLs;
  // Schemes no application handles; every other one has a handler.
  std::set<std::string> unhandledSchemes;
  std::optional<std::string> clipboard;
  int clipboardWrites = 0;
};

}  // namespace ondi::fakes
