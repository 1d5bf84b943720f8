#include "platform/linux/OperatingSystemVersion.h"

#include <sys/utsname.h>

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>

namespace ondi::platform {
namespace {

// The leading decimal number of `text`, consumed from it.
std::optional<unsigned long> leadingNumber(std::string_view& text) {
  unsigned long number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return number;
}

// "12" → "12.0", "24.04" → "24.4", "6.1.0-28-amd64" → "6.1"; none without a leading number.
std::optional<std::string> majorMinor(std::string_view text) {
  const auto major = leadingNumber(text);
  if (!major) return std::nullopt;
  unsigned long minor = 0;
  if (text.starts_with('.')) {
    text.remove_prefix(1);
    minor = leadingNumber(text).value_or(0);
  }
  return std::to_string(*major) + "." + std::to_string(minor);
}

// The value of VERSION_ID, without the quotes os-release allows around values.
std::string versionID(std::string_view osRelease) {
  std::istringstream lines{std::string(osRelease)};
  std::string line;
  constexpr std::string_view key = "VERSION_ID=";
  while (std::getline(lines, line)) {
    std::string_view value = line;
    if (!value.starts_with(key)) continue;
    value.remove_prefix(key.size());
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
  }
  return {};
}

std::string readOsRelease() {
  for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::ifstream file(path);
    if (!file) continue;
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
  }
  return {};
}

}  // namespace

std::string operatingSystemVersion(std::string_view osRelease, std::string_view kernelRelease) {
  if (auto version = majorMinor(versionID(osRelease))) return *version;
  return majorMinor(kernelRelease).value_or("0.0");
}

std::string operatingSystemVersion() {
  utsname system{};
  const std::string kernel = uname(&system) == 0 ? system.release : "";
  return operatingSystemVersion(readOsRelease(), kernel);
}

}  // namespace ondi::platform
