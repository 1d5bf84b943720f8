#include "core/account/AgentInstructionProfile.h"

#include <regex>

#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {

void from_json(const nlohmann::json& json, AgentInstructionProfile& profile) {
  json.at("id").get_to(profile.id);
  json.at("name").get_to(profile.name);
  json.at("voice").get_to(profile.voice);
  json.at("role").get_to(profile.role);
  json.at("instructions").get_to(profile.instructions);
  profile.defaultInstructions =
      optionalField<std::vector<std::string>>(json, "defaultInstructions");
  profile.customized = optionalField<bool>(json, "customized");
}

std::vector<std::string> normalizedInstructions(const std::string& draft) {
  // A hyphen, asterisk or bullet, or a number followed by "." or ")", with blanks around.
  static const std::regex marker(R"(^\s*(?:-|\*|\xE2\x80\xA2|\d+[.)])\s+)");
  std::vector<std::string> kept;
  std::size_t total = 0;
  std::size_t start = 0;
  while (start <= draft.size() && kept.size() < kMaximumInstructions &&
         total < kInstructionBudget) {
    const std::size_t end = std::min(draft.find('\n', start), draft.size());
    const std::string line = draft.substr(start, end - start);
    start = end + 1;
    const std::string text = trimmedWhitespace(
        std::regex_replace(line, marker, "", std::regex_constants::format_first_only));
    if (text.empty()) continue;
    const std::size_t room = std::min(kMaximumInstructionLength, kInstructionBudget - total);
    const std::string cut = prefixCharacters(text, room);
    total += characterCount(cut);
    kept.push_back(cut);
  }
  return kept;
}

}  // namespace ondi
