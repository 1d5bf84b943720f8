#include "routes/AuthRoutes.h"

#include "http/Router.h"

namespace {

// No account can be signed in yet: the server keeps no accounts, so whatever "velmora_session"
// cookie a client sends names no session.
Response sessionStatus(const Request& /*request*/) {
  return Response::json(200, {{"authenticated", false}});
}

}  // namespace

void addAuthRoutes(Router& router) {
  router.add("GET", "/api/auth/session", sessionStatus);
}
