#pragma once

#include "http/Reply.h"
#include "http/Request.h"
#include "http/Router.h"

namespace ondi::server {

// Answers one request: first the check that no other site forged it, then the body checks
// (against the format the route takes), then the router. A handler that throws is answered with
// 500 and its reason goes to the log, never to the client.
void answerRequest(const Router& router, Request request, const Reply& reply);

}  // namespace ondi::server
