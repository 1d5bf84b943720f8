#include "platform/linux/DesktopComposition.h"

#include <gtk/gtk.h>

#include "core/app/PlatformServices.h"
#include "core/origin/ServiceOrigin.h"
#include "core/script/SurfaceResources.h"

#include "platform/linux/BuildConfiguration.h"
#include "platform/linux/BundledSurfaceResources.h"
#include "platform/linux/DevelopmentCertificate.h"

namespace ondi::platform {

DesktopFolders DesktopFolders::forCurrentUser() {
  return {std::filesystem::path(g_get_user_config_dir()) / "ondi",
          std::filesystem::path(g_get_user_data_dir()) / "ondi",
          std::filesystem::path(g_get_user_cache_dir()) / "ondi"};
}

DesktopComposition::DesktopComposition(const DesktopFolders& folders)
    : settings(folders.config / "defaults.json", logger),
      network(folders.data, folders.cache),
      cookies(network),
      webViews(network, kRegistrableDomain, folders.cache / "content-filters",
               environment.value("ONDI_MOCK_CAPTURE_DEVICES") == "1"),
      system(logger),
      webAuthenticator(network,
                       [] {
                         auto* application = GTK_APPLICATION(g_application_get_default());
                         return application ? gtk_application_get_active_window(application)
                                            : nullptr;
                       }),
      model(ServiceOrigin{kServiceOrigin, kRegistrableDomain, kSupportEmail, kBrowserbaseDomain},
            PlatformServices{scheduler, clock, environment, settings, logger, transport, cookies,
                             webViews, system, microphone, random, webAuthenticator, secrets,
                             applications, images, packs, speechRecognizer},
            bundledSurfaceResources(currentTheme(settings)), kVersion) {
  trustDevelopmentCertificate(network, environment, logger);
}

}  // namespace ondi::platform
