#pragma once

#include <libsoup/soup.h>

#include "core/ports/HttpTransport.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

// Requests over one libsoup session that keeps no cookie jar: cookies travel only in the
// headers the core sets, and come back parsed for the core to store. Redirects are not
// followed.
class SoupHttpTransport final : public HttpTransport {
 public:
  SoupHttpTransport();
  ~SoupHttpTransport() override;
  SoupHttpTransport(const SoupHttpTransport&) = delete;
  SoupHttpTransport& operator=(const SoupHttpTransport&) = delete;

  void send(const HttpRequest& request,
            std::function<void(std::expected<HttpResponse, TransportError>)> completion) override;

 private:
  glib::ObjectRef<SoupSession> session_;
};

}  // namespace ondi::platform
