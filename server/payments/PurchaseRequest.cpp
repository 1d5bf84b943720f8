#include "payments/PurchaseRequest.h"

#include <algorithm>
#include <regex>

#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

// Up to $999,999,999.99, so that no sum of amounts overflows.
const std::regex kPurchasePattern(
    R"(^(?:please\s+)?(?:buy|purchase)\s+([a-z]+)\s*(?::\s*(.*?))?\s+for\s+(?:\$\s*)?)"
    R"((\d{1,3}(?:,\d{3}){1,2}|\d{1,9})(?:\.(\d{1,2}))?(?:\s*(?:dollars|usd))?\s*[.!]?$)",
    std::regex::icase);

std::string lowerCase(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  });
  return text;
}

std::int64_t centsOf(std::string dollars, const std::string& fraction) {
  std::erase(dollars, ',');
  const std::int64_t cents =
      fraction.empty() ? 0 : std::stoll(fraction.size() == 1 ? fraction + "0" : fraction);
  return std::stoll(dollars) * 100 + cents;
}

}  // namespace

std::optional<PurchaseRequest> readPurchaseRequest(std::string_view text) {
  const std::string request = trimmed(text);
  std::smatch match;
  if (!std::regex_match(request, match, kPurchasePattern)) return std::nullopt;
  const std::int64_t cents = centsOf(match[3].str(), match[4].str());
  if (cents <= 0) return std::nullopt;
  std::string word = lowerCase(match[1].str());
  const auto category = categoryNamed(word);
  return PurchaseRequest{.categoryWord = std::move(word),
                         .category = category,
                         .item = trimmed(match[2].str()),
                         .amountCents = cents};
}

}  // namespace ondi::server
