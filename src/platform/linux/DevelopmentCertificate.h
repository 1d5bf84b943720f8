#pragma once

namespace ondi {
class Environment;
class Logger;
}  // namespace ondi

namespace ondi::platform {

class WebKitNetwork;

// A development service on this machine serves some pages over HTTPS with a certificate it
// made itself. When ONDI_DEV_CERTIFICATE names that certificate's PEM file and
// ONDI_DEV_CERTIFICATE_HOST a loopback host, web views accept that one certificate for that one
// host; every other certificate and host is checked as always. Without both settings nothing
// changes.
void trustDevelopmentCertificate(WebKitNetwork& network, const Environment& environment,
                                 Logger& logger);

}  // namespace ondi::platform
