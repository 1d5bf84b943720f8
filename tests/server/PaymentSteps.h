#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "HttpTestClient.h"

// The requests the payment screen sends, and the user's steps on the onboarding page.

// "GET /api/agent-payments/status"; throws unless it answers 200. The "state" object.
nlohmann::json paymentState(const HttpTestClient& client);
// Starts setup and returns the onboarding page's path and query on the service's origin.
std::string onboardingPath(const HttpTestClient& client, std::string_view baseURL);
// Submits the onboarding page's form for the link of that path, as the user's browser does.
HttpReply completeOnboarding(const HttpTestClient& browser, std::string_view path);
// "PUT /api/agent-payments/policy" with {"policy": policy}.
HttpReply putPolicy(const HttpTestClient& client, const nlohmann::json& policy);
// "POST /api/agent-payments/topups".
HttpReply addTopup(const HttpTestClient& client, std::int64_t amountCents, std::string_view key);

// The policy a new account starts with.
nlohmann::json initialPolicy();
