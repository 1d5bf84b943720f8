#include <gio/gio.h>
#include <glib.h>

#include <filesystem>
#include <memory>

#include "core/app/DesktopBrowserModel.h"
#include "platform/linux/BuildConfiguration.h"
#include "platform/linux/DesktopMicrophoneAccess.h"
#include "platform/linux/GioSystemServices.h"
#include "platform/linux/GlibLogger.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/JsonSettingsStore.h"
#include "platform/linux/ProcessEnvironment.h"
#include "platform/linux/Resources.h"
#include "platform/linux/SoupHttpTransport.h"
#include "platform/linux/SystemClock.h"
#include "platform/linux/WebKitCookieStore.h"
#include "platform/linux/WebKitNetwork.h"
#include "platform/linux/WebKitWebViewFactory.h"
#include "ui/app/OndiApplication.h"

namespace {

using namespace ondi;

std::filesystem::path userFolder(const char* base) {
  return std::filesystem::path(base) / "ondi";
}

// Every adapter and the model, built once GTK has started and kept for the process.
struct Composition {
  platform::GlibLogger logger;
  platform::GlibScheduler scheduler;
  platform::SystemClock clock;
  platform::ProcessEnvironment environment;
  platform::JsonSettingsStore settings{userFolder(g_get_user_config_dir()) / "defaults.json",
                                       logger};
  platform::SoupHttpTransport transport;
  platform::WebKitNetwork network{userFolder(g_get_user_data_dir()),
                                  userFolder(g_get_user_cache_dir())};
  platform::WebKitCookieStore cookies{network};
  platform::WebKitWebViewFactory webViews{network, platform::kRegistrableDomain,
                                          userFolder(g_get_user_cache_dir()) / "content-filters"};
  platform::GioSystemServices system{logger};
  platform::DesktopMicrophoneAccess microphone;
  DesktopBrowserModel model{ServiceOrigin{platform::kServiceOrigin, platform::kRegistrableDomain},
                            PlatformServices{scheduler, clock, environment, settings, logger,
                                             transport, cookies, webViews, system, microphone},
                            platform::resourceText("/com/velmora/desktop/operator.html")};
};

}  // namespace

int main(int argc, char** argv) {
  platform::GlibLogger::installWriter();
  auto application = ui::OndiApplication::create(Gio::Application::Flags::DEFAULT_FLAGS);
  std::unique_ptr<Composition> composition;
  application->signal_startup().connect([&] {
    composition = std::make_unique<Composition>();
    application->attach(composition->model, composition->logger, composition->scheduler);
  });
  application->signal_shutdown().connect([&] { composition.reset(); });
  return application->run(argc, argv);
}
