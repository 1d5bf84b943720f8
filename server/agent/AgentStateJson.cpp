#include "agent/AgentStateJson.h"

#include <string>

#include "ServiceClock.h"
#include "agent/AgentServices.h"
#include "agent/ChatText.h"
#include "agent/IsoTime.h"
#include "agent/TurnUsage.h"

namespace ondi::server {
namespace {

constexpr char kWelcomeId[] = "local-ai-welcome";
constexpr char kWelcomeText[] =
    "Hi, I'm the Ondi stand-in agent on this server. Tell me what to handle and I'll say how the "
    "hosted agent would go about it.";

nlohmann::json messageJson(const ChatMessage& message) {
  return {{"id", message.id},
          {"role", message.role},
          {"content", message.content},
          {"createdAt", isoTime(message.createdAt)},
          {"threadId", message.threadId}};
}

nlohmann::json eventJson(const AgentEvent& event) {
  return {{"id", event.id},         {"type", event.type},
          {"title", event.title},   {"detail", event.detail},
          {"status", event.status}, {"createdAt", isoTime(event.createdAt)}};
}

nlohmann::json threadJson(const ChatThread& thread) {
  return {{"id", thread.id},
          {"title", thread.title},
          {"preview", messagePreview(thread.lastMessage)},
          {"updatedAt", isoTime(thread.updatedAt)},
          {"messageCount", thread.messageCount}};
}

nlohmann::json messagesJson(AgentServices& services, const std::string& accountId,
                            std::string_view threadId) {
  nlohmann::json messages = nlohmann::json::array();
  for (const ChatMessage& message : services.messages.latest(accountId, threadId)) {
    messages.push_back(messageJson(message));
  }
  if (!messages.empty()) return messages;
  const auto thread = services.threads.find(accountId, threadId);
  messages.push_back(
      messageJson(ChatMessage{.id = kWelcomeId,
                              .role = "assistant",
                              .content = kWelcomeText,
                              .createdAt = thread ? thread->createdAt : services.clock.now(),
                              .threadId = std::string(threadId)}));
  return messages;
}

nlohmann::json usageJson(AgentServices& services, const Account& account) {
  const TurnUsage usage =
      todaysTurnUsage(services.messages, services.clock, services.freeTurnLimit, account);
  return {{"turnsUsed", usage.used},
          {"turnLimit", usage.limit ? nlohmann::json(*usage.limit) : nlohmann::json(nullptr)}};
}

}  // namespace

nlohmann::json agentStateJson(AgentServices& services, const Account& account,
                              std::string_view threadId) {
  nlohmann::json events = nlohmann::json::array();
  for (const AgentEvent& event : services.events.newestFirst(account.id)) {
    events.push_back(eventJson(event));
  }
  nlohmann::json threads = nlohmann::json::array();
  for (const ChatThread& thread : services.threads.newestFirst(account.id)) {
    threads.push_back(threadJson(thread));
  }
  return {
      {"ok", true},
      {"activeThreadId", threadId},
      {"messages", messagesJson(services, account.id, threadId)},
      {"events", events},
      {"accountActivity", events},
      {"threads", std::move(threads)},
      {"runtime", {{"mode", "Live backend"}, {"agent", "Ondi stand-in agent"}}},
      {"product", {{"name", "Ondi"}}},
      {"account",
       {{"email", account.email},
        {"name", account.name},
        {"plan", account.plan},
        {"guest", false}}},
      {"artifacts", nlohmann::json::array()},
      {"usage", usageJson(services, account)},
  };
}

}  // namespace ondi::server
