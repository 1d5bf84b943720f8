#pragma once

#include <optional>
#include <string>

#include "agent/WorkspacePrompt.h"

namespace ondi::server {

struct PaymentServices;

// Answers a chat request to buy something (see PurchaseRequest) on the account's behalf: the
// purchase is decided against the account's policy and balance, recorded, and, when approved,
// charged to the balance. Returns the Markdown paragraph that tells the decision and its reason;
// nothing when the request asks for no purchase. Writes to the database: the caller holds the
// transaction.
std::optional<std::string> answerPurchaseRequest(PaymentServices& payments,
                                                 const std::string& accountId,
                                                 const WorkspacePrompt& prompt);

}  // namespace ondi::server
