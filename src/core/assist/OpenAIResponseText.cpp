#include "core/assist/OpenAIResponseText.h"

#include "core/util/Text.h"

namespace ondi {
namespace {

const nlohmann::json* stringMember(const nlohmann::json& object, const char* key) {
  if (!object.is_object()) return nullptr;
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? &*found : nullptr;
}

}  // namespace

std::optional<std::string> extractOpenAIText(const nlohmann::json& json) {
  if (const auto* outputText = stringMember(json, "output_text")) {
    std::string text = trimmedWhitespace(outputText->get_ref<const std::string&>());
    if (!text.empty()) return text;
  }
  std::vector<std::string> parts;
  collectOpenAIText(json, parts);
  std::string joined;
  for (const std::string& part : parts) {
    const std::string text = trimmedWhitespace(part);
    if (text.empty()) continue;
    if (!joined.empty()) joined += "\n\n";
    joined += text;
  }
  if (joined.empty()) return std::nullopt;
  return joined;
}

void collectOpenAIText(const nlohmann::json& value, std::vector<std::string>& parts) {
  if (value.is_array()) {
    for (const auto& element : value) collectOpenAIText(element, parts);
    return;
  }
  if (!value.is_object()) return;
  const auto* type = stringMember(value, "type");
  const auto* text = stringMember(value, "text");
  if (type && text && (*type == "output_text" || *type == "text")) {
    parts.push_back(text->get<std::string>());
  }
  if (const auto output = value.find("output"); output != value.end()) {
    collectOpenAIText(*output, parts);
  }
  if (const auto content = value.find("content"); content != value.end()) {
    collectOpenAIText(*content, parts);
  }
}

std::optional<std::string> extractOpenAIErrorMessage(const nlohmann::json& json) {
  if (!json.is_object()) return std::nullopt;
  const auto error = json.find("error");
  if (error == json.end()) return std::nullopt;
  const auto* message = stringMember(*error, "message");
  // A blank message would leave the person with an empty error line.
  if (!message || trimmedWhitespace(message->get_ref<const std::string&>()).empty()) {
    return std::nullopt;
  }
  return message->get<std::string>();
}

}  // namespace ondi
