#pragma once

#include <string>

namespace ondi::server {

class Router;

// With --openai-test-endpoint: "POST /v1/responses", an OpenAI-compatible stand-in that accepts
// only "Authorization: Bearer <apiKey>" and answers deterministically (see ResponsesAnswers.h),
// and "GET /v1/test/last-request", the JSON body of the last request that reached it, so that
// tests can check exactly what the client sent.
void addOpenAiTestRoutes(Router& router, std::string apiKey);

}  // namespace ondi::server
