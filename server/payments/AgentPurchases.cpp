#include "payments/AgentPurchases.h"

#include <glib.h>

#include "ServiceClock.h"
#include "accounts/AgentRoster.h"
#include "accounts/TextInput.h"
#include "agent/ChatText.h"
#include "payments/Money.h"
#include "payments/PaymentServices.h"
#include "payments/PurchaseDecision.h"
#include "payments/PurchaseRequest.h"

namespace ondi::server {
namespace {

constexpr char kDefaultAgent[] = "main";
constexpr std::size_t kMaxItemCharacters = 80;

std::string lowerCase(std::string_view text) {
  gchar* lower = g_ascii_strdown(text.data(), static_cast<gssize>(text.size()));
  std::string result(lower);
  g_free(lower);
  return result;
}

// The agent a workspace's selection names: a roster agent when the name's first word is its id
// (so "Main Agent" and the page's "Main operator" are "main", "Ads Agent" is "ads"), any other
// name as written, and the main agent when the prompt selects none.
std::string purchasingAgent(const std::optional<std::string>& selected) {
  if (!selected) return kDefaultAgent;
  const std::string name = trimmed(*selected);
  const std::string firstWord = lowerCase(name.substr(0, name.find(' ')));
  if (const AgentDefinition* agent = findAgent(firstWord)) return std::string(agent->id);
  return name;
}

std::int64_t startOfUtcMonth(std::int64_t now) {
  GDateTime* time = g_date_time_new_from_unix_utc(now);
  GDateTime* monthStart =
      g_date_time_new_utc(g_date_time_get_year(time), g_date_time_get_month(time), 1, 0, 0, 0);
  const std::int64_t start = g_date_time_to_unix(monthStart);
  g_date_time_unref(monthStart);
  g_date_time_unref(time);
  return start;
}

std::string_view verdictLabel(PurchaseVerdict verdict) {
  switch (verdict) {
    case PurchaseVerdict::approved:
      return "Approved";
    case PurchaseVerdict::needsApproval:
      return "Needs your approval";
    case PurchaseVerdict::declined:
      return "Declined";
  }
  return "";
}

std::string unknownCategory(const PurchaseRequest& request) {
  return "\"" + request.categoryWord + "\" is not a purchase category, so nothing was bought. " +
         "The categories are " + categoryList() +
         "; ask for example \"buy software for $40\" or \"buy travel: train ticket for $120\".";
}

}  // namespace

std::optional<std::string> answerPurchaseRequest(PaymentServices& payments,
                                                 const std::string& accountId,
                                                 const WorkspacePrompt& prompt) {
  const auto request = readPurchaseRequest(prompt.request);
  if (!request) return std::nullopt;
  if (!payments.available) {
    return "Agent payments are not offered by this server, so nothing was bought.";
  }
  if (!request->category) return unknownCategory(*request);

  const auto account = payments.accounts.find(accountId);
  const std::string agentId = purchasingAgent(prompt.selectedAgent);
  const std::int64_t now = payments.clock.now();
  const PaymentBalances balances = currentBalances(payments, accountId);
  const PurchaseContext context{
      .policy = account.policy,
      .agentId = agentId,
      .spentThisMonthCents = payments.purchases.approvedSince(accountId, startOfUtcMonth(now)),
      .setupReady = account.setupState == PaymentAccountStore::SetupState::ready,
      .availableCents = balances.availableCents,
      .cardLast4 = account.cardLast4};
  const PurchaseDecision decision =
      decidePurchase(context, *request->category, request->amountCents);
  payments.purchases.record(accountId, {.agentId = agentId,
                                        .category = *request->category,
                                        .amountCents = request->amountCents,
                                        .decision = decision,
                                        .createdAt = now});

  std::string answer = "**" + std::string(verdictLabel(decision.verdict)) + ":** " +
                       dollarsText(request->amountCents) + " of " +
                       std::string(categoryName(*request->category));
  if (!request->item.empty()) {
    answer += " (" + shortened(collapsedBlanks(request->item), kMaxItemCharacters) + ")";
  }
  answer += " for the agent \"" + agentId + "\". " + decision.reason;
  return answer;
}

}  // namespace ondi::server
