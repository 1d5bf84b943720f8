#include "AgentSteps.h"

#include <stdexcept>

#include <glib.h>

HttpReply sendPrompt(const HttpTestClient& client, std::string_view message,
                     std::string_view threadId, const nlohmann::json& extra) {
  nlohmann::json body = {{"message", message},   {"threadId", threadId},
                         {"surface", "mac_app"}, {"permissionMode", "approval-first"},
                         {"modelMode", "auto"},  {"workspaceContext", nullptr}};
  body.update(extra);
  return client.send("POST", "/api/agent/message", body.dump());
}

nlohmann::json agentState(const HttpTestClient& client, std::string_view threadId) {
  gchar* escaped = g_uri_escape_string(std::string(threadId).c_str(), nullptr, FALSE);
  const std::string path = "/api/agent/state?threadId=" + std::string(escaped) + "&surface=mac_app";
  g_free(escaped);
  const HttpReply reply = client.send("GET", path);
  if (reply.status != 200) throw std::runtime_error("The state did not load: " + reply.body);
  return reply.json();
}

std::vector<std::string> messageContents(const nlohmann::json& state) {
  std::vector<std::string> contents;
  for (const auto& message : state.at("messages")) contents.push_back(message.at("content"));
  return contents;
}
