#include "agent/BrowserMonitorRequest.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>

#include "agent/ChatText.h"

namespace ondi::server {
namespace {

constexpr std::array<std::string_view, 4> kBrowserWords{"browser", "in app", "in-app", "inapp"};
constexpr std::array<std::string_view, 3> kLiveMonitorWords{"live monitor", "live-monitor",
                                                            "livemonitor"};
// Words that ask to see the run, and "running", which may only follow "monitor".
constexpr std::array<std::string_view, 5> kShowingWords{"show", "shown", "display", "watch",
                                                        "view"};
constexpr std::string_view kRunning = "running";
constexpr std::string_view kMonitor = "monitor";
constexpr std::array<std::string_view, 3> kCloudDesktopWords{"desktop", "sandbox", "daytona"};

bool isWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Where the word first occurs whole at or after `from`.
std::optional<std::size_t> findWord(std::string_view text, std::string_view word,
                                    std::size_t from = 0) {
  for (std::size_t at = text.find(word, from); at != std::string_view::npos;
       at = text.find(word, at + 1)) {
    const std::size_t end = at + word.size();
    const bool startsWhole = at == 0 || !isWordCharacter(text[at - 1]);
    const bool endsWhole = end == text.size() || !isWordCharacter(text[end]);
    if (startsWhole && endsWhole) return at;
  }
  return std::nullopt;
}

template <std::size_t N>
bool hasAnyWord(std::string_view text, const std::array<std::string_view, N>& words,
                std::size_t from = 0) {
  return std::ranges::any_of(
      words, [&](std::string_view word) { return findWord(text, word, from).has_value(); });
}

bool showingWordAfterMonitor(std::string_view text) {
  const auto monitor = findWord(text, kMonitor);
  if (!monitor) return false;
  const std::size_t after = *monitor + kMonitor.size();
  return hasAnyWord(text, kShowingWords, after) || findWord(text, kRunning, after).has_value();
}

bool monitorAfterShowingWord(std::string_view text) {
  std::size_t firstEnd = std::numeric_limits<std::size_t>::max();
  for (const std::string_view word : kShowingWords) {
    if (const auto at = findWord(text, word)) firstEnd = std::min(firstEnd, *at + word.size());
  }
  return firstEnd != std::numeric_limits<std::size_t>::max() &&
         findWord(text, kMonitor, firstEnd).has_value();
}

std::string lowerCaseWords(std::string_view prompt) {
  std::string text = collapsedBlanks(prompt);
  std::ranges::transform(text, text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

}  // namespace

bool asksForMonitoredBrowser(std::string_view prompt) {
  const std::string text = lowerCaseWords(prompt);
  return hasAnyWord(text, kBrowserWords) &&
         (hasAnyWord(text, kLiveMonitorWords) || showingWordAfterMonitor(text) ||
          monitorAfterShowingWord(text));
}

bool asksForCloudDesktop(std::string_view prompt) {
  return hasAnyWord(lowerCaseWords(prompt), kCloudDesktopWords);
}

}  // namespace ondi::server
