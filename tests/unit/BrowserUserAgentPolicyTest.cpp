#include "core/browser/BrowserUserAgentPolicy.h"

#include <gtest/gtest.h>

namespace ondi {
namespace {

constexpr const char* kSystemVersion = "15.4";

std::string suffixWithInstalledSafari(std::optional<std::string> installed) {
  return BrowserUserAgentPolicy::safariCompatibleApplicationName(std::nullopt, std::move(installed),
                                                                 kSystemVersion);
}

TEST(BrowserUserAgentPolicy, InstalledSafariVersionNamesTheBrowser) {
  EXPECT_EQ(suffixWithInstalledSafari("18.3.1"),
            "Version/18.3.1 Safari/605.1.15 VelmoraDesktop/1.0");
  EXPECT_EQ(suffixWithInstalledSafari("17"), "Version/17 Safari/605.1.15 VelmoraDesktop/1.0");
}

TEST(BrowserUserAgentPolicy, MalformedVersionsFallBackToTheSystemVersion) {
  for (const char* version :
       {"18.3.", ".18", "18..3", "18.3b", "18a", "v18", "18 3", " 18", "", "-18", "18.-3", "١٨"}) {
    SCOPED_TRACE(version);
    EXPECT_EQ(BrowserUserAgentPolicy::normalizedVersion(std::string(version)), std::nullopt);
    EXPECT_EQ(suffixWithInstalledSafari(version),
              "Version/15.4 Safari/605.1.15 VelmoraDesktop/1.0");
  }
  EXPECT_EQ(suffixWithInstalledSafari(std::nullopt),
            "Version/15.4 Safari/605.1.15 VelmoraDesktop/1.0");
}

TEST(BrowserUserAgentPolicy, AGivenVersionComesBeforeTheInstalledOne) {
  EXPECT_EQ(BrowserUserAgentPolicy::safariCompatibleApplicationName("19.0", "18.3.1", "15.4"),
            "Version/19.0 Safari/605.1.15 VelmoraDesktop/1.0");
  EXPECT_EQ(BrowserUserAgentPolicy::safariCompatibleApplicationName("19.", "18.3.1", "15.4"),
            "Version/18.3.1 Safari/605.1.15 VelmoraDesktop/1.0");
}

TEST(BrowserUserAgentPolicy, NormalizedVersionKeepsValidTextUnchanged) {
  for (const char* version : {"0", "18.3.1", "007.01", "1.2.3.4.5"}) {
    EXPECT_EQ(BrowserUserAgentPolicy::normalizedVersion(std::string(version)), version);
  }
  EXPECT_EQ(BrowserUserAgentPolicy::normalizedVersion(std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace ondi
