#include "payments/PurchaseRequest.h"

#include <algorithm>

#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

// The reader walks the text once from each end and never backtracks, so that a message of any
// length costs time in proportion to it and no stack.

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  });
  return lower;
}

// Whether `lower` holds `word` at `at`.
bool wordAt(std::string_view lower, std::size_t at, std::string_view word) {
  return at <= lower.size() && lower.substr(at).starts_with(word);
}

std::size_t skipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && isBlank(text[at])) ++at;
  return at;
}
// The start of the blanks that end at `end`.
std::size_t blanksBefore(std::string_view text, std::size_t end) {
  while (end > 0 && isBlank(text[end - 1])) --end;
  return end;
}

// Whole dollars of up to nine digits, or with thousands separators: "1,250" or "1,250,000".
bool validDollars(std::string_view digits) {
  if (digits.find(',') == std::string_view::npos) {
    return !digits.empty() && digits.size() <= 9;
  }
  const std::size_t lead = digits.find(',');
  if (lead < 1 || lead > 3) return false;
  const std::size_t groups = (digits.size() - lead) / 4;
  if ((digits.size() - lead) % 4 != 0 || groups < 1 || groups > 2) return false;
  for (std::size_t group = 0; group < groups; ++group) {
    const std::size_t comma = lead + group * 4;
    if (digits[comma] != ',' ||
        !std::all_of(digits.begin() + comma + 1, digits.begin() + comma + 4, isDigit)) {
      return false;
    }
  }
  return true;
}

struct Amount {
  std::int64_t cents = 0;
  // Where the amount, and a "$" before it, begin.
  std::size_t start = 0;
};

// The amount that ends the request: "$1,250.50", "120 USD", "40 dollars!".
std::optional<Amount> amountAtEnd(std::string_view text, std::string_view lower) {
  std::size_t end = text.size();
  if (end > 0 && (text[end - 1] == '.' || text[end - 1] == '!')) --end;
  end = blanksBefore(text, end);
  for (std::string_view unit : {"dollars", "usd"}) {
    if (end >= unit.size() && lower.substr(end - unit.size(), unit.size()) == unit) {
      end = blanksBefore(text, end - unit.size());
      break;
    }
  }
  std::size_t start = end;
  while (start > 0 && (isDigit(text[start - 1]) || text[start - 1] == ',')) --start;
  std::string_view fraction;
  if (start > 0 && text[start - 1] == '.' && end - start >= 1 && end - start <= 2 &&
      text.substr(start, end - start).find(',') == std::string_view::npos) {
    fraction = text.substr(start, end - start);
    end = start - 1;
    start = end;
    while (start > 0 && (isDigit(text[start - 1]) || text[start - 1] == ',')) --start;
  }
  const std::string_view dollars = text.substr(start, end - start);
  if (!validDollars(dollars)) return std::nullopt;
  std::string plain(dollars);
  std::erase(plain, ',');
  const std::int64_t cents =
      std::stoll(plain) * 100 +
      (fraction.empty() ? 0 : std::stoll(std::string(fraction)) * (fraction.size() == 1 ? 10 : 1));
  const std::size_t beforeSign = blanksBefore(text, start);
  if (beforeSign > 0 && text[beforeSign - 1] == '$') start = beforeSign - 1;
  return Amount{cents, start};
}

}  // namespace

std::optional<PurchaseRequest> readPurchaseRequest(std::string_view text) {
  const std::string request = trimmed(text);
  const std::string lower = lowerCase(request);

  const auto amount = amountAtEnd(request, lower);
  if (!amount || amount->cents <= 0) return std::nullopt;
  // " for " before the amount, with blanks on both sides.
  const std::size_t forEnd = blanksBefore(request, amount->start);
  if (forEnd == amount->start || forEnd < 3 || !wordAt(lower, forEnd - 3, "for")) {
    return std::nullopt;
  }
  const std::size_t forStart = forEnd - 3;
  const std::size_t tailStart = blanksBefore(request, forStart);
  if (tailStart == forStart) return std::nullopt;

  std::size_t at = 0;
  if (wordAt(lower, 0, "please") && skipBlanks(request, 6) > 6) at = skipBlanks(request, 6);
  const std::size_t verbLength = wordAt(lower, at, "buy")        ? 3
                                 : wordAt(lower, at, "purchase") ? 8
                                                                 : 0;
  if (verbLength == 0) return std::nullopt;
  at += verbLength;
  const std::size_t wordStart = skipBlanks(request, at);
  if (wordStart == at) return std::nullopt;
  std::size_t wordEnd = wordStart;
  while (wordEnd < request.size() && isLetter(request[wordEnd])) ++wordEnd;
  if (wordEnd == wordStart) return std::nullopt;

  std::string item;
  if (wordEnd != tailStart) {
    // "CATEGORY: WHAT": everything between the colon and the blanks before "for".
    const std::size_t colon = skipBlanks(request, wordEnd);
    if (colon >= tailStart || request[colon] != ':') return std::nullopt;
    const std::size_t itemStart = skipBlanks(request, colon + 1);
    if (itemStart < tailStart) item = trimmed(request.substr(itemStart, tailStart - itemStart));
  }
  std::string word = lower.substr(wordStart, wordEnd - wordStart);
  const auto category = categoryNamed(word);
  return PurchaseRequest{.categoryWord = std::move(word),
                         .category = category,
                         .item = std::move(item),
                         .amountCents = amount->cents};
}

}  // namespace ondi::server
