#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace ondi {

// What the diagnostics summary reports: the build and where the app is, never who uses it.
struct SupportDiagnosticsFacts {
  std::optional<std::string> shortVersion;
  std::string surfaceTitle;
  std::string currentURL;
  std::size_t browserTabCount = 0;
};

// "Ondi Desktop", then one line each for the version ("development" without one), the
// surface, its address and the number of in-app browser tabs.
std::string supportDiagnostics(const SupportDiagnosticsFacts& facts);

}  // namespace ondi
