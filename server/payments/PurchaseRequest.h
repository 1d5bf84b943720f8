#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "payments/PaymentPolicy.h"

namespace ondi::server {

// A chat request that asks the agent to buy something:
//   "buy CATEGORY for AMOUNT" or "buy CATEGORY: WHAT for AMOUNT"
// ("purchase" works as "buy", an opening "please" is allowed, letter case does not matter), where
// AMOUNT is whole dollars or dollars and cents, with or without "$", thousands separators or a
// trailing "dollars"/"USD": "buy software for $40", "buy travel: train ticket for $120.50".
struct PurchaseRequest {
  // The word after "buy", in lower case.
  std::string categoryWord;
  // Nothing when the word names no category.
  std::optional<PaymentCategory> category;
  // What is bought, when the request says; empty otherwise.
  std::string item;
  // More than zero.
  std::int64_t amountCents = 0;
};

// Nothing when the text is not such a request.
std::optional<PurchaseRequest> readPurchaseRequest(std::string_view text);

}  // namespace ondi::server
