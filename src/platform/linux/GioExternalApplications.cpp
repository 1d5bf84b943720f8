#include "platform/linux/GioExternalApplications.h"

#include <gio/gdesktopappinfo.h>
#include <gtk/gtk.h>

#include <map>
#include <string_view>
#include <vector>

#include "core/util/GlibHandles.h"

namespace ondi::platform {
namespace {

// The desktop entries under which each known application installs, in order of preference.
// Safari has none on Linux.
const std::map<std::string, std::vector<std::string>, std::less<>> kDesktopEntries{
    {"com.google.Chrome",
     {"google-chrome.desktop", "chromium.desktop", "com.google.Chrome.desktop"}},
    {"com.apple.Safari", {}},
};

using AppInfo = glib::ObjectRef<GDesktopAppInfo>;

constexpr const char* kNotFound = "The application is not installed.";

AppInfo locate(std::string_view bundleIdentifier) {
  const auto entries = kDesktopEntries.find(bundleIdentifier);
  if (entries == kDesktopEntries.end()) return {};
  for (const auto& entry : entries->second) {
    if (auto info = AppInfo::adopt(g_desktop_app_info_new(entry.c_str()))) return info;
  }
  return {};
}

// A launch context that hands the launched application an activation token, so that it may
// come to the front; none without a display.
glib::ObjectRef<GAppLaunchContext> activatingLaunchContext() {
  GdkDisplay* display = gdk_display_get_default();
  return glib::ObjectRef<GAppLaunchContext>::adopt(
      display ? G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display)) : nullptr);
}

// Runs `completion` with `value` on a later turn of the main loop.
template <typename Value>
void deliverLater(std::function<void(Value)> completion, Value value) {
  glib::idleOnce(
      [completion = std::move(completion), value = std::move(value)] { completion(value); });
}

}  // namespace

bool GioExternalApplications::isInstalled(const std::string& bundleIdentifier) const {
  return static_cast<bool>(locate(bundleIdentifier));
}

void GioExternalApplications::openURL(const std::string& url, const std::string& bundleIdentifier,
                                      std::function<void(ApplicationOpenOutcome)> completion) {
  using Status = ApplicationOpenOutcome::Status;
  const AppInfo info = locate(bundleIdentifier);
  if (!info) {
    deliverLater<ApplicationOpenOutcome>(std::move(completion), {Status::couldNotStart, kNotFound});
    return;
  }
  glib::Error error;
  auto process = glib::ObjectRef<GSubprocess>::adopt(
      g_subprocess_new(static_cast<GSubprocessFlags>(G_SUBPROCESS_FLAGS_STDOUT_SILENCE |
                                                     G_SUBPROCESS_FLAGS_STDERR_SILENCE),
                       error.out(), "gio", "launch", g_desktop_app_info_get_filename(info.get()),
                       url.c_str(), nullptr));
  if (!process) {
    deliverLater<ApplicationOpenOutcome>(std::move(completion),
                                         {Status::couldNotStart, error->message});
    return;
  }
  const auto exited =
      glib::asyncReady([completion = std::move(completion)](GObject* source, GAsyncResult* result) {
        auto* child = G_SUBPROCESS(source);
        glib::Error waitError;
        ApplicationOpenOutcome outcome;
        if (!g_subprocess_wait_finish(child, result, waitError.out())) {
          outcome = {Status::couldNotStart, waitError->message};
        } else if (!g_subprocess_get_if_exited(child) || g_subprocess_get_exit_status(child) != 0) {
          outcome = {Status::failed, {}};
        }
        completion(outcome);
      });
  g_subprocess_wait_async(process.get(), nullptr, exited.callback, exited.data);
}

void GioExternalApplications::openApplication(
    const std::string& bundleIdentifier,
    std::function<void(std::optional<std::string>)> completion) {
  const AppInfo info = locate(bundleIdentifier);
  if (!info) {
    deliverLater<std::optional<std::string>>(std::move(completion), kNotFound);
    return;
  }
  const auto launched =
      glib::asyncReady([completion = std::move(completion)](GObject* source, GAsyncResult* result) {
        glib::Error error;
        if (g_app_info_launch_uris_finish(G_APP_INFO(source), result, error.out())) {
          completion(std::nullopt);
        } else {
          completion(error->message);
        }
      });
  g_app_info_launch_uris_async(G_APP_INFO(info.get()), nullptr, activatingLaunchContext().get(),
                               nullptr, launched.callback, launched.data);
}

void GioExternalApplications::openWithDefaultHandler(const std::string& url,
                                                     std::function<void(bool)> completion) {
  const auto launched =
      glib::asyncReady([completion = std::move(completion)](GObject*, GAsyncResult* result) {
        glib::Error error;
        completion(g_app_info_launch_default_for_uri_finish(result, error.out()));
      });
  g_app_info_launch_default_for_uri_async(url.c_str(), nullptr, nullptr, launched.callback,
                                          launched.data);
}

AutomationScriptOutcome GioExternalApplications::runAppleScript(const std::string&) {
  // No AppleScript interpreter exists on Linux, so no script can be prepared.
  return {AutomationScriptOutcome::Status::couldNotCreate, std::nullopt};
}

}  // namespace ondi::platform
