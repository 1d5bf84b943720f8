#pragma once

#include <optional>
#include <string>

namespace ondi {

// The outcome of a desktop operation: ok with an optional success sentence, or a failure
// sentence.
struct DesktopActionResult {
  bool ok = false;
  std::optional<std::string> text;
  std::optional<std::string> error;

  static DesktopActionResult success(std::string text) { return {true, std::move(text), {}}; }
  static DesktopActionResult failure(std::string error) { return {false, {}, std::move(error)}; }

  bool operator==(const DesktopActionResult&) const = default;
};

}  // namespace ondi
