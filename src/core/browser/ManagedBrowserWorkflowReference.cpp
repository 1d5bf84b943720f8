#include "core/browser/ManagedBrowserWorkflowReference.h"

#include <algorithm>

#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

constexpr std::size_t kMaximumLength = 180;

bool isWorkflowIDCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

}  // namespace

std::optional<ManagedBrowserWorkflowReference> ManagedBrowserWorkflowReference::make(
    std::string_view workflowID) {
  std::string id = trimmedWhitespace(workflowID);
  if (id.empty() || id.size() > kMaximumLength || !std::ranges::all_of(id, isWorkflowIDCharacter)) {
    return std::nullopt;
  }
  return ManagedBrowserWorkflowReference(std::move(id));
}

std::optional<std::string> ManagedBrowserWorkflowReference::controlURL(const Url& base) const {
  const std::string scheme = base.lowercasedScheme();
  if ((scheme != "http" && scheme != "https") || base.hasUserOrPassword()) return std::nullopt;
  const auto control = base.resolve("/api/platform/workflows/" + id_ + "/browser-control");
  if (!control) return std::nullopt;
  return control->string();
}

}  // namespace ondi
