#include "core/support/SupportDiagnostics.h"

namespace ondi {

std::string supportDiagnostics(const SupportDiagnosticsFacts& facts) {
  const bool hasVersion = facts.shortVersion && !facts.shortVersion->empty();
  return "Ondi Desktop\nVersion: " + (hasVersion ? *facts.shortVersion : "development") +
         "\nSurface: " + facts.surfaceTitle + "\nCurrent URL: " + facts.currentURL +
         "\nBrowser tabs: " + std::to_string(facts.browserTabCount);
}

}  // namespace ondi
