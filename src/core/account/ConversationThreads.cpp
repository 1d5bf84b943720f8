#include "core/account/ConversationThreads.h"

#include <glib.h>

#include <algorithm>

#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

constexpr std::size_t kMaximumThreads = 500;
constexpr long long kMaximumMessageCount = 1'000'000;

std::string stringOr(const nlohmann::json& object, const char* key, const std::string& fallback) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? found->get<std::string>() : fallback;
}

}  // namespace

std::string ConversationHistoryStatus::providerLabel() const {
  const std::string lowered = asciiLowercased(provider);
  if (lowered == "firestore") return "Ondi Cloud";
  if (lowered == "local" || lowered == "local-jsonl") return "This computer";
  if (lowered == "disabled" || lowered.empty()) return "Unavailable";
  return "Ondi Cloud";
}

void from_json(const nlohmann::json& json, ConversationHistoryStatus& status) {
  json.at("enabled").get_to(status.enabled);
  json.at("accountScoped").get_to(status.accountScoped);
  json.at("resumable").get_to(status.resumable);
  json.at("provider").get_to(status.provider);
}

std::optional<std::string> normalizedConversationThreadID(const std::string& text) {
  const std::string id = trimmedWhitespace(text);
  if (id.empty() || id.size() > 96) return std::nullopt;
  const bool allowed = std::ranges::all_of(
      id, [](unsigned char c) { return g_ascii_isalnum(c) || c == '_' || c == '-'; });
  return allowed ? std::optional(id) : std::nullopt;
}

std::vector<DesktopConversationThread> desktopConversationThreads(const nlohmann::json& value) {
  std::vector<DesktopConversationThread> threads;
  if (!value.is_array()) return threads;
  const std::size_t count = std::min(value.size(), kMaximumThreads);
  for (std::size_t i = 0; i < count; ++i) {
    const nlohmann::json& entry = value[i];
    if (!entry.is_object()) continue;
    const auto idValue = entry.find("id");
    if (idValue == entry.end() || !idValue->is_string()) continue;
    const auto id = normalizedConversationThreadID(idValue->get<std::string>());
    if (!id) continue;
    DesktopConversationThread thread;
    thread.id = *id;
    thread.title = prefixCharacters(trimmedWhitespace(stringOr(entry, "title", "New chat")), 120);
    if (thread.title.empty()) thread.title = "New chat";
    thread.preview = prefixCharacters(trimmedWhitespace(stringOr(entry, "preview", "")), 240);
    thread.updatedAt = prefixCharacters(stringOr(entry, "updatedAt", ""), 48);
    const auto count = entry.find("messageCount");
    if (count != entry.end() && count->is_number_unsigned()) {
      thread.messageCount = static_cast<long long>(
          std::min<unsigned long long>(count->get<unsigned long long>(), kMaximumMessageCount));
    } else if (count != entry.end() && count->is_number_integer()) {
      thread.messageCount = std::clamp(count->get<long long>(), 0LL, kMaximumMessageCount);
    }
    threads.push_back(std::move(thread));
  }
  return threads;
}

bool isConversationUnderWay(const std::vector<DesktopConversationThread>& threads,
                            const std::string& id) {
  return std::ranges::any_of(threads, [&](const DesktopConversationThread& thread) {
    return thread.id == id && thread.messageCount > 0;
  });
}

}  // namespace ondi
