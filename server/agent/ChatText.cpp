#include "agent/ChatText.h"

#include "accounts/TextInput.h"
#include "agent/WorkspacePrompt.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxTitleCharacters = 60;
constexpr std::size_t kMaxPreviewCharacters = 140;
constexpr std::string_view kEllipsis = "…";

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool startsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// A line without the heading, quote or bullet mark it starts with.
std::string_view withoutLineMark(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  const bool bullet = line.starts_with("- ") || line.starts_with("* ");
  const std::size_t marks = bullet ? 1 : line.find_first_not_of("#>");
  if (marks == 0 || marks == std::string_view::npos) return line;
  return line.substr(marks);
}

// Markdown without the marks that only shape it: line marks, "**" and backticks.
std::string plainText(std::string_view markdown) {
  std::string plain;
  while (true) {
    const std::size_t end = markdown.find('\n');
    for (const std::string_view line = withoutLineMark(markdown.substr(0, end));
         const char c : line) {
      if (c != '`') plain += c;
    }
    if (end == std::string_view::npos) break;
    plain += '\n';
    markdown.remove_prefix(end + 1);
  }
  for (std::size_t bold = plain.find("**"); bold != std::string::npos; bold = plain.find("**")) {
    plain.erase(bold, 2);
  }
  return plain;
}

}  // namespace

std::string collapsedBlanks(std::string_view text) {
  std::string collapsed;
  bool pendingSpace = false;
  for (const char c : text) {
    if (isBlank(c)) {
      pendingSpace = !collapsed.empty();
      continue;
    }
    if (pendingSpace) collapsed += ' ';
    pendingSpace = false;
    collapsed += c;
  }
  return collapsed;
}

std::string shortened(std::string_view text, std::size_t maxCharacters) {
  if (characterCount(text) <= maxCharacters) return std::string(text);
  // Keeps maxCharacters - 1 characters and adds the ellipsis.
  std::size_t kept = 0;
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    if (startsCharacter(text[end]) && kept++ == maxCharacters - 1) break;
  }
  return trimmed(text.substr(0, end)) + std::string(kEllipsis);
}

std::string threadTitle(std::string_view prompt) {
  const std::string request = readWorkspacePrompt(prompt).request;
  const std::string firstLine = trimmed(std::string_view(request).substr(0, request.find('\n')));
  if (firstLine.empty()) return std::string(kNewChatTitle);
  return shortened(firstLine, kMaxTitleCharacters);
}

std::string messagePreview(std::string_view content) {
  return shortened(collapsedBlanks(plainText(readWorkspacePrompt(content).request)),
                   kMaxPreviewCharacters);
}

}  // namespace ondi::server
