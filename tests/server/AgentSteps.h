#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "HttpTestClient.h"

// The requests the chat page sends to the agent, as the agent tests repeat them.

// "POST /api/agent/message" with the page's fields; extra members replace or add to them.
HttpReply sendPrompt(const HttpTestClient& client, std::string_view message,
                     std::string_view threadId = "default",
                     const nlohmann::json& extra = nlohmann::json::object());

// "GET /api/agent/state" for the thread; throws unless it answers 200.
nlohmann::json agentState(const HttpTestClient& client, std::string_view threadId = "default");

// The contents of the state's messages, in order.
std::vector<std::string> messageContents(const nlohmann::json& state);
