#include "core/surface/PageScripts.h"

namespace ondi {

std::optional<std::string> PageScripts::notification(const std::string& global,
                                                     const nlohmann::json& argument) {
  std::string json;
  try {
    json = argument.dump();
  } catch (const nlohmann::json::exception&) {
    return std::nullopt;  // a string that is not valid UTF-8
  }
  return "if (window." + global + ") {\n  window." + global + "(" + json + ");\n}";
}

std::optional<std::string> PageScripts::desktopActionUpdate(
    const std::string& id, bool ok, const std::optional<std::string>& text,
    const std::optional<std::string>& error) {
  nlohmann::json reply = {{"id", id}, {"ok", ok}, {"kind", "desktopAction"}};
  if (text) reply["text"] = *text;
  if (error) reply["error"] = *error;
  return notification("velmoraDesktopActionUpdate", reply);
}

std::optional<std::string> PageScripts::speechUpdate(const std::string& status,
                                                     const std::optional<std::string>& transcript,
                                                     const std::optional<std::string>& message) {
  nlohmann::json update = {{"status", status}};
  if (transcript) update["transcript"] = *transcript;
  if (message) update["message"] = *message;
  return notification("velmoraDesktopSpeechUpdate", update);
}

std::optional<std::string> PageScripts::openAIUpdate(const nlohmann::json& reply) {
  return notification("velmoraDesktopOpenAIUpdate", reply);
}

}  // namespace ondi
