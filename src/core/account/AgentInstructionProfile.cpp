#include "core/account/AgentInstructionProfile.h"

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

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// `line` without the list marker it starts with: a hyphen, asterisk or bullet, or a number
// followed by "." or ")", with blanks before it and at least one after. Read in one pass, so a
// line of any length costs no stack.
std::string withoutListMarker(const std::string& line) {
  std::size_t at = 0;
  while (at < line.size() && isBlank(line[at])) ++at;
  const std::string_view rest = std::string_view(line).substr(at);
  std::size_t marker = 0;
  if (rest.starts_with("-") || rest.starts_with("*")) {
    marker = 1;
  } else if (rest.starts_with("\xE2\x80\xA2")) {
    marker = 3;
  } else {
    while (marker < rest.size() && rest[marker] >= '0' && rest[marker] <= '9') ++marker;
    if (marker == 0 || marker == rest.size() || (rest[marker] != '.' && rest[marker] != ')')) {
      return line;
    }
    ++marker;
  }
  std::size_t end = at + marker;
  if (end >= line.size() || !isBlank(line[end])) return line;
  while (end < line.size() && isBlank(line[end])) ++end;
  return line.substr(end);
}

}  // namespace

std::vector<std::string> normalizedInstructions(const std::string& draft) {
  std::vector<std::string> kept;
  std::size_t total = 0;
  std::size_t start = 0;
  while (start <= draft.size() && kept.size() < kMaximumInstructions &&
         total < kInstructionBudget) {
    const std::size_t end = std::min(draft.find('\n', start), draft.size());
    const std::string line = draft.substr(start, end - start);
    start = end + 1;
    const std::string text = trimmedWhitespace(withoutListMarker(line));
    if (text.empty()) continue;
    const std::size_t room = std::min(kMaximumInstructionLength, kInstructionBudget - total);
    const std::string cut = prefixCharacters(text, room);
    total += characterCount(cut);
    kept.push_back(cut);
  }
  return kept;
}

}  // namespace ondi
