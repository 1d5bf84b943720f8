#include "OndiServerProcess.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <string_view>
#include <thread>

#include <gio/gunixinputstream.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr auto kStopTimeout = std::chrono::seconds(10);
constexpr auto kExitPollInterval = std::chrono::milliseconds(5);
constexpr auto kLogPollInterval = std::chrono::milliseconds(10);
constexpr std::string_view kAnnouncement = "ondi-server listening on ";
constexpr std::string_view kSecureAnnouncement = "ondi-server listening securely on ";
constexpr std::string_view kCertificateNote = " with the certificate ";

int shellStatus(GSubprocess* process) {
  if (g_subprocess_get_if_exited(process)) return g_subprocess_get_exit_status(process);
  return 128 + g_subprocess_get_term_sig(process);
}

std::vector<const gchar*> argumentVector(const std::vector<std::string>& arguments) {
  std::vector<const gchar*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  return argv;
}

std::string takeError(GError* error) {
  std::string message = error != nullptr ? error->message : "unknown error";
  g_clear_error(&error);
  return message;
}

std::string bytesToString(GBytes* bytes) {
  if (bytes == nullptr) return {};
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  std::string text = data != nullptr ? std::string(data, size) : std::string();
  g_bytes_unref(bytes);
  return text;
}

// The child watch of GSubprocess runs on GLib's worker thread, so the identifier clears when
// the process ends without this thread running a main loop.
bool waitForExit(GSubprocess* process, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (g_subprocess_get_identifier(process) != nullptr) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kExitPollInterval);
  }
  return true;
}

}  // namespace

OndiServerProcess::OndiServerProcess() : OndiServerProcess(Options{}) {}

OndiServerProcess::OndiServerProcess(Options options)
    : standardErrorFile_(workDirectory_.path() / "stderr.log") {
  std::vector<std::string> arguments{binaryPath(), "--port", "0"};
  if (!options.defaultDataDirectory) {
    dataDirectory_ =
        options.dataDirectory.empty() ? workDirectory_.path() / "data" : options.dataDirectory;
    arguments.insert(arguments.end(), {"--data", dataDirectory_});
  }
  arguments.insert(arguments.end(), options.extraArguments.begin(), options.extraArguments.end());

  GSubprocessLauncher* launcher = g_subprocess_launcher_new(G_SUBPROCESS_FLAGS_STDOUT_PIPE);
  g_subprocess_launcher_set_stderr_file_path(launcher, standardErrorFile_.c_str());
  for (const auto& [name, value] : options.environment) {
    g_subprocess_launcher_setenv(launcher, name.c_str(), value.c_str(), TRUE);
  }
  GError* error = nullptr;
  process_ = g_subprocess_launcher_spawnv(launcher, argumentVector(arguments).data(), &error);
  g_object_unref(launcher);
  if (process_ == nullptr) {
    throw std::runtime_error("Could not start " + binaryPath().string() + ": " + takeError(error));
  }

  try {
    readAnnouncement(kStartTimeout);
  } catch (...) {
    stop();
    g_clear_object(&process_);
    throw;
  }
}

OndiServerProcess::~OndiServerProcess() {
  stop();
  g_clear_object(&process_);
}

std::string OndiServerProcess::standardError() const {
  gchar* contents = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(standardErrorFile_.c_str(), &contents, &length, nullptr)) return {};
  std::string text(contents, length);
  g_free(contents);
  return text;
}

bool OndiServerProcess::waitForStandardError(std::string_view text,
                                             std::chrono::milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  while (standardError().find(text) == std::string::npos) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kLogPollInterval);
  }
  return true;
}

int OndiServerProcess::stop(int signalNumber) {
  if (exitStatus_) return *exitStatus_;
  g_subprocess_send_signal(process_, signalNumber);
  if (!waitForExit(process_, kStopTimeout)) g_subprocess_force_exit(process_);
  g_subprocess_wait(process_, nullptr, nullptr);
  exitStatus_ = shellStatus(process_);
  return *exitStatus_;
}

OndiServerProcess::Completed OndiServerProcess::run(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{binaryPath()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  GError* error = nullptr;
  GSubprocess* process =
      g_subprocess_newv(argumentVector(command).data(),
                        static_cast<GSubprocessFlags>(G_SUBPROCESS_FLAGS_STDOUT_PIPE |
                                                      G_SUBPROCESS_FLAGS_STDERR_PIPE),
                        &error);
  if (process == nullptr)
    throw std::runtime_error("Could not run ondi-server: " + takeError(error));

  GBytes* out = nullptr;
  GBytes* err = nullptr;
  const bool communicated = g_subprocess_communicate(process, nullptr, nullptr, &out, &err, &error);
  Completed completed{
      .exitStatus = communicated ? shellStatus(process) : -1,
      .standardOutput = bytesToString(out),
      .standardError = bytesToString(err),
  };
  g_object_unref(process);
  if (!communicated) throw std::runtime_error("Could not read ondi-server: " + takeError(error));
  return completed;
}

std::filesystem::path OndiServerProcess::binaryPath() {
  return ONDI_SERVER_BINARY;
}

void OndiServerProcess::readAnnouncement(std::chrono::milliseconds timeout) {
  const int fd =
      g_unix_input_stream_get_fd(G_UNIX_INPUT_STREAM(g_subprocess_get_stdout_pipe(process_)));
  const auto deadline = Clock::now() + timeout;
  std::string received;
  while (std::ranges::count(received, '\n') < 2) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd readable{.fd = fd, .events = POLLIN, .revents = 0};
    const int ready = left.count() > 0 ? poll(&readable, 1, static_cast<int>(left.count())) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) {
      throw std::runtime_error("ondi-server did not announce its address in time. Its stderr:\n" +
                               standardError());
    }
    char buffer[512];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (count <= 0) {
      throw std::runtime_error("ondi-server ended before announcing its address. Its stderr:\n" +
                               standardError());
    }
    received.append(buffer, static_cast<std::size_t>(count));
  }
  const std::size_t firstEnd = received.find('\n');
  const std::string line = received.substr(0, firstEnd);
  const std::string secureLine =
      received.substr(firstEnd + 1, received.find('\n', firstEnd + 1) - firstEnd - 1);
  const std::size_t note = secureLine.find(kCertificateNote);
  if (!line.starts_with(kAnnouncement) || !secureLine.starts_with(kSecureAnnouncement) ||
      note == std::string::npos) {
    throw std::runtime_error("ondi-server announced something unexpected: " + received);
  }
  baseURL_ = line.substr(kAnnouncement.size());
  secureBaseURL_ = secureLine.substr(kSecureAnnouncement.size(), note - kSecureAnnouncement.size());
  certificateFile_ = secureLine.substr(note + kCertificateNote.size());
}
