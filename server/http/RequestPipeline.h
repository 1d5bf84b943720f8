#pragma once

#include "http/Request.h"
#include "http/Response.h"
#include "http/Router.h"

// Answers one request: the body checks (against the format the route takes) first, then the router.
// A handler that throws is answered with 500 and its reason goes to the log, never to the client.
Response answerRequest(const Router& router, Request request);
