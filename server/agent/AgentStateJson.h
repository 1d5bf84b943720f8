#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

#include "accounts/Account.h"

namespace ondi::server {

struct AgentServices;

// The state of one thread as the chat page reads it: {"ok": true, "activeThreadId", "messages"
// (oldest first; a thread without messages shows one welcome message with the id
// "local-ai-welcome"), "events" and "accountActivity" (the account's newest events first),
// "threads" (newest first: {"id", "title", "preview", "updatedAt", "messageCount"}), "runtime",
// "product", "account", "artifacts" and "usage" {"turnsUsed", "turnLimit" (null without a
// limit)}}. A thread that does not exist yet reads as empty.
nlohmann::json agentStateJson(AgentServices& services, const Account& account,
                              std::string_view threadId);

}  // namespace ondi::server
