#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "MainLoop.h"
#include "TemporaryDirectory.h"
#include "platform/linux/GioExternalApplications.h"

using namespace ondi;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

std::string read(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A desktop of its own for this test program: Google Chrome is a script that writes the
// addresses it is given to a file, and also handles the "ondi-test" scheme. GLib reads the XDG
// folders once per process, so they are set up once, before anything asks for them.
class Desktop {
 public:
  static Desktop& shared() {
    static Desktop desktop;
    return desktop;
  }
  fs::path record() const { return folder_.path() / "chrome-record"; }

 private:
  Desktop() {
    const fs::path chrome = folder_.path() / "bin" / "fake-chrome";
    write(chrome, "#!/bin/sh\nprintf '%s;' \"$@\" >> '" + record().string() + "'\n");
    fs::permissions(chrome, fs::perms::owner_all);
    write(folder_.path() / "share" / "applications" / "google-chrome.desktop",
          "[Desktop Entry]\nType=Application\nName=Google Chrome\nExec=" + chrome.string() +
              " %U\nMimeType=x-scheme-handler/ondi-test;\n");
    write(folder_.path() / "config" / "mimeapps.list",
          "[Default Applications]\nx-scheme-handler/ondi-test=google-chrome.desktop\n");
    setenv("XDG_DATA_DIRS", (folder_.path() / "share").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder_.path() / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder_.path() / "config").c_str(), 1);
  }

  TemporaryDirectory folder_;
};

class GioExternalApplicationsTest : public ::testing::Test {
 protected:
  GioExternalApplicationsTest() : record(Desktop::shared().record()) { fs::remove(record); }

  // Waits for the fake browser to have been given exactly `expected`.
  bool chromeReceived(const std::string& expected) {
    return runMainLoopUntil([&] { return read(record) == expected; });
  }

  fs::path record;
  platform::GioExternalApplications applications;
};

TEST_F(GioExternalApplicationsTest, BrowsersAreFoundByTheirDesktopEntries) {
  EXPECT_TRUE(applications.isInstalled("com.google.Chrome"));
  EXPECT_FALSE(applications.isInstalled("com.apple.Safari"));
  EXPECT_FALSE(applications.isInstalled("com.example.Unknown"));
}

TEST_F(GioExternalApplicationsTest, AnAddressIsHandedOverAndTheExitReportedOnTheMainLoop) {
  std::optional<ApplicationOpenOutcome> outcome;
  applications.openURL("https://jobs.example/list?q=a b", "com.google.Chrome",
                       [&](ApplicationOpenOutcome o) { outcome = o; });
  EXPECT_FALSE(outcome) << "the result comes on a later turn of the main loop";
  ASSERT_TRUE(runMainLoopUntil([&] { return outcome.has_value(); }));
  EXPECT_EQ(outcome->status, ApplicationOpenOutcome::Status::opened) << outcome->description;
  EXPECT_TRUE(chromeReceived("https://jobs.example/list?q=a b;"));

  outcome.reset();
  applications.openURL("https://a.example/", "com.apple.Safari",
                       [&](ApplicationOpenOutcome o) { outcome = o; });
  ASSERT_TRUE(runMainLoopUntil([&] { return outcome.has_value(); }));
  EXPECT_EQ(outcome->status, ApplicationOpenOutcome::Status::couldNotStart);
}

TEST_F(GioExternalApplicationsTest, ApplicationsLaunchWithoutAnAddress) {
  std::optional<std::optional<std::string>> error;
  applications.openApplication("com.google.Chrome",
                               [&](std::optional<std::string> e) { error = std::move(e); });
  ASSERT_TRUE(runMainLoopUntil([&] { return error.has_value(); }));
  EXPECT_EQ(*error, std::nullopt);
  EXPECT_TRUE(chromeReceived(";"));

  error.reset();
  applications.openApplication("com.apple.Safari",
                               [&](std::optional<std::string> e) { error = std::move(e); });
  ASSERT_TRUE(runMainLoopUntil([&] { return error.has_value(); }));
  EXPECT_TRUE(error->has_value());
}

TEST_F(GioExternalApplicationsTest, TheDefaultHandlerReportsWhetherItOpened) {
  std::optional<bool> opened;
  applications.openWithDefaultHandler("ondi-test://page", [&](bool o) { opened = o; });
  ASSERT_TRUE(runMainLoopUntil([&] { return opened.has_value(); }));
  EXPECT_TRUE(*opened);
  EXPECT_TRUE(chromeReceived("ondi-test://page;"));

  opened.reset();
  applications.openWithDefaultHandler("ondi-nothing://page", [&](bool o) { opened = o; });
  ASSERT_TRUE(runMainLoopUntil([&] { return opened.has_value(); }));
  EXPECT_FALSE(*opened);
}

}  // namespace
