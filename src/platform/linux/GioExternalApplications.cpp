#include "platform/linux/GioExternalApplications.h"

#include <gio/gdesktopappinfo.h>
#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace ondi::platform {
namespace {

// The desktop entries under which each known application installs, in order of preference.
// Safari has none on Linux.
const std::map<std::string, std::vector<std::string>, std::less<>> kDesktopEntries{
    {"com.google.Chrome",
     {"google-chrome.desktop", "chromium.desktop", "com.google.Chrome.desktop"}},
    {"com.apple.Safari", {}},
};

struct AppInfoDeleter {
  void operator()(GDesktopAppInfo* info) const { g_object_unref(info); }
};
using AppInfo = std::unique_ptr<GDesktopAppInfo, AppInfoDeleter>;

constexpr const char* kNotFound = "The application is not installed.";

AppInfo locate(std::string_view bundleIdentifier) {
  const auto entries = kDesktopEntries.find(bundleIdentifier);
  if (entries == kDesktopEntries.end()) return nullptr;
  for (const auto& entry : entries->second) {
    if (GDesktopAppInfo* info = g_desktop_app_info_new(entry.c_str())) return AppInfo(info);
  }
  return nullptr;
}

// A launch context that hands the launched application an activation token, so that it may
// come to the front; none without a display.
GAppLaunchContext* activatingLaunchContext() {
  GdkDisplay* display = gdk_display_get_default();
  return display ? G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display)) : nullptr;
}

// Moves a completion to the heap for a GIO callback, which takes it back exactly once.
template <typename Completion>
gpointer release(Completion completion) {
  return new Completion(std::move(completion));
}

template <typename Completion>
std::unique_ptr<Completion> reclaim(gpointer data) {
  return std::unique_ptr<Completion>(static_cast<Completion*>(data));
}

// Runs `completion` with `value` on a later turn of the main loop.
template <typename Value>
void deliverLater(std::function<void(Value)> completion, Value value) {
  using Call = std::function<void()>;
  g_idle_add_once([](gpointer data) { (*reclaim<Call>(data))(); },
                  release(Call([completion = std::move(completion), value = std::move(value)] {
                    completion(value);
                  })));
}

std::string takeMessage(GError* error) {
  std::string message = error->message;
  g_error_free(error);
  return message;
}

}  // namespace

bool GioExternalApplications::isInstalled(const std::string& bundleIdentifier) const {
  return locate(bundleIdentifier) != nullptr;
}

void GioExternalApplications::openURL(const std::string& url, const std::string& bundleIdentifier,
                                      std::function<void(ApplicationOpenOutcome)> completion) {
  using Completion = std::function<void(ApplicationOpenOutcome)>;
  using Status = ApplicationOpenOutcome::Status;
  const AppInfo info = locate(bundleIdentifier);
  if (!info) {
    deliverLater<ApplicationOpenOutcome>(std::move(completion), {Status::couldNotStart, kNotFound});
    return;
  }
  GError* error = nullptr;
  GSubprocess* process = g_subprocess_new(
      static_cast<GSubprocessFlags>(G_SUBPROCESS_FLAGS_STDOUT_SILENCE |
                                    G_SUBPROCESS_FLAGS_STDERR_SILENCE),
      &error, "gio", "launch", g_desktop_app_info_get_filename(info.get()), url.c_str(), nullptr);
  if (!process) {
    deliverLater<ApplicationOpenOutcome>(std::move(completion),
                                         {Status::couldNotStart, takeMessage(error)});
    return;
  }
  g_subprocess_wait_async(
      process, nullptr,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        auto pending = reclaim<Completion>(data);
        auto* child = G_SUBPROCESS(source);
        GError* waitError = nullptr;
        ApplicationOpenOutcome outcome;
        if (!g_subprocess_wait_finish(child, result, &waitError)) {
          outcome = {Status::couldNotStart, takeMessage(waitError)};
        } else if (!g_subprocess_get_if_exited(child) || g_subprocess_get_exit_status(child) != 0) {
          outcome = {Status::failed, {}};
        }
        g_object_unref(child);
        (*pending)(outcome);
      },
      release(std::move(completion)));
}

void GioExternalApplications::openApplication(
    const std::string& bundleIdentifier,
    std::function<void(std::optional<std::string>)> completion) {
  using Completion = std::function<void(std::optional<std::string>)>;
  const AppInfo info = locate(bundleIdentifier);
  if (!info) {
    deliverLater<std::optional<std::string>>(std::move(completion), kNotFound);
    return;
  }
  GAppLaunchContext* context = activatingLaunchContext();
  g_app_info_launch_uris_async(
      G_APP_INFO(info.get()), nullptr, context, nullptr,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        auto pending = reclaim<Completion>(data);
        GError* error = nullptr;
        if (g_app_info_launch_uris_finish(G_APP_INFO(source), result, &error)) {
          (*pending)(std::nullopt);
        } else {
          (*pending)(takeMessage(error));
        }
      },
      release(std::move(completion)));
  if (context) g_object_unref(context);
}

void GioExternalApplications::openWithDefaultHandler(const std::string& url,
                                                     std::function<void(bool)> completion) {
  using Completion = std::function<void(bool)>;
  g_app_info_launch_default_for_uri_async(
      url.c_str(), nullptr, nullptr,
      [](GObject*, GAsyncResult* result, gpointer data) {
        auto pending = reclaim<Completion>(data);
        GError* error = nullptr;
        const bool opened = g_app_info_launch_default_for_uri_finish(result, &error);
        if (error) g_error_free(error);
        (*pending)(opened);
      },
      release(std::move(completion)));
}

AutomationScriptOutcome GioExternalApplications::runAppleScript(const std::string&) {
  // No AppleScript interpreter exists on Linux, so no script can be prepared.
  return {AutomationScriptOutcome::Status::couldNotCreate, std::nullopt};
}

}  // namespace ondi::platform
