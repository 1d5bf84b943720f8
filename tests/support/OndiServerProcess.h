#pragma once

#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gio/gio.h>

#include "TemporaryDirectory.h"

// Runs the built ondi-server binary on a free loopback port for a test. The constructor waits
// until the server announces its address and throws std::runtime_error when it does not; the
// destructor stops it with SIGTERM.
class OndiServerProcess {
 public:
  struct Options {
    // Added after "--port 0 --data DIR", for example "--test-routes".
    std::vector<std::string> extraArguments = {};
    // The data folder to use; a fresh folder removed afterwards when empty.
    std::filesystem::path dataDirectory = {};
    // Start without --data, so that the server picks its default folder.
    bool defaultDataDirectory = false;
    // Environment variables set for the server on top of the test's own.
    std::vector<std::pair<std::string, std::string>> environment = {};
  };

  // What a run of the binary left behind. exitStatus is the exit code, or 128 plus the number
  // of the signal that ended it, as a shell reports it.
  struct Completed {
    int exitStatus;
    std::string standardOutput;
    std::string standardError;
  };

  OndiServerProcess();
  explicit OndiServerProcess(Options options);
  ~OndiServerProcess();

  OndiServerProcess(const OndiServerProcess&) = delete;
  OndiServerProcess& operator=(const OndiServerProcess&) = delete;

  // "http://127.0.0.1:PORT", without a trailing slash.
  const std::string& baseURL() const { return baseURL_; }
  // "https://127.0.0.1:PORT": where the app broker's authorization pages are served over TLS.
  const std::string& secureBaseURL() const { return secureBaseURL_; }
  // The PEM file of the self-signed certificate the HTTPS port presents.
  const std::filesystem::path& certificateFile() const { return certificateFile_; }
  // The folder passed with --data; empty with Options::defaultDataDirectory.
  const std::filesystem::path& dataDirectory() const { return dataDirectory_; }

  // Everything the server has written to stderr so far (its request log among it).
  std::string standardError() const;

  // Waits until stderr contains the text. A request's log line is written after its answer has
  // gone out, so a test that has the answer may not see the line yet.
  bool waitForStandardError(std::string_view text,
                            std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

  // Sends the signal and waits up to 10 s for the exit, then kills the server; returns the exit
  // status as Completed::exitStatus does. Later calls return the same status.
  int stop(int signalNumber = SIGTERM);

  // Runs the binary with these arguments to its end, for checking how it refuses to start.
  static Completed run(const std::vector<std::string>& arguments);

  static std::filesystem::path binaryPath();

 private:
  // Reads the two lines that announce the HTTP and the HTTPS address.
  void readAnnouncement(std::chrono::milliseconds timeout);

  TemporaryDirectory workDirectory_;
  std::filesystem::path dataDirectory_;
  std::filesystem::path standardErrorFile_;
  GSubprocess* process_ = nullptr;
  std::optional<int> exitStatus_;
  std::string baseURL_;
  std::string secureBaseURL_;
  std::filesystem::path certificateFile_;
};
