#include "platform/linux/DevelopmentCertificate.h"

#include <gio/gio.h>

#include "core/ports/Environment.h"
#include "core/ports/Logger.h"
#include "core/util/GlibHandles.h"
#include "platform/linux/WebKitNetwork.h"

namespace ondi::platform {
namespace {

constexpr const char* kCertificateSetting = "ONDI_DEV_CERTIFICATE";
constexpr const char* kHostSetting = "ONDI_DEV_CERTIFICATE_HOST";

bool isLoopbackHost(const std::string& host) {
  if (host == "localhost") return true;
  const auto address =
      glib::ObjectRef<GInetAddress>::adopt(g_inet_address_new_from_string(host.c_str()));
  return address && g_inet_address_get_is_loopback(address.get());
}

}  // namespace

void trustDevelopmentCertificate(WebKitNetwork& network, const Environment& environment,
                                 Logger& logger) {
  const auto file = environment.value(kCertificateSetting);
  const auto host = environment.value(kHostSetting);
  if (!file || !host) return;
  if (!isLoopbackHost(*host)) {
    logger.error("network", "Ignoring the development certificate: " + *host +
                                " is not a host of this computer");
    return;
  }
  glib::Error error;
  const auto certificate = glib::ObjectRef<GTlsCertificate>::adopt(
      g_tls_certificate_new_from_file(file->c_str(), error.out()));
  if (!certificate) {
    logger.error("network",
                 "Could not read the development certificate: " + std::string(error->message));
    return;
  }
  webkit_network_session_allow_tls_certificate_for_host(network.session(), certificate.get(),
                                                        host->c_str());
  logger.info("network", "Trusting the development certificate for host=" + *host);
}

}  // namespace ondi::platform
