#include "payments/PaymentAccountStore.h"

#include <cstdio>

#include <glib.h>

#include "ServiceClock.h"
#include "accounts/TextInput.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kLinkBytes = 32;
constexpr std::int32_t kCardNumbers = 10000;

std::string categoriesText(const std::set<PaymentCategory>& categories) {
  std::string text;
  for (const PaymentCategory category : categories) {
    if (!text.empty()) text += ',';
    text += categoryName(category);
  }
  return text;
}

std::set<PaymentCategory> categoriesFrom(std::string_view text) {
  std::set<PaymentCategory> categories;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    if (const auto category = categoryNamed(text.substr(0, comma))) categories.insert(*category);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return categories;
}

PaymentAccountStore::SetupState setupStateNamed(std::string_view name) {
  if (name == "ready") return PaymentAccountStore::SetupState::ready;
  if (name == "onboarding_required") return PaymentAccountStore::SetupState::onboardingRequired;
  return PaymentAccountStore::SetupState::setupRequired;
}

// Four digits; the card is simulated, so they need not be secret.
std::string cardLast4() {
  char digits[5];
  std::snprintf(digits, sizeof digits, "%04d", g_random_int_range(0, kCardNumbers));
  return digits;
}

}  // namespace

std::string_view setupStateName(PaymentAccountStore::SetupState state) {
  switch (state) {
    case PaymentAccountStore::SetupState::setupRequired:
      return "setup_required";
    case PaymentAccountStore::SetupState::onboardingRequired:
      return "onboarding_required";
    case PaymentAccountStore::SetupState::ready:
      return "ready";
  }
  return "";
}

PaymentAccountStore::PaymentAccountStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

void PaymentAccountStore::ensureRecord(std::string_view accountId) {
  const PaymentPolicy policy = PaymentPolicy::initial();
  database_
      .prepare(
          "INSERT INTO agent_payment_accounts (account_id, setup_state, agent_id,"
          " monthly_limit_cents, per_purchase_limit_cents, approval_threshold_cents,"
          " allowed_categories, automatic_purchases, paused, policy_version)"
          " VALUES (?, 'setup_required', ?, ?, ?, ?, ?, ?, ?, 0) ON CONFLICT DO NOTHING")
      .bind(1, accountId)
      .bind(2, policy.agentId)
      .bind(3, policy.monthlyLimitCents)
      .bind(4, policy.perPurchaseLimitCents)
      .bind(5, policy.approvalThresholdCents)
      .bind(6, categoriesText(policy.allowedCategories))
      .bind(7, std::int64_t{policy.allowsAutomaticPurchases})
      .bind(8, std::int64_t{policy.isPaused})
      .step();
}

PaymentAccountStore::PaymentAccount PaymentAccountStore::find(std::string_view accountId) {
  ensureRecord(accountId);
  Statement query = database_.prepare(
      "SELECT setup_state, card_last4, agent_id, monthly_limit_cents, per_purchase_limit_cents,"
      " approval_threshold_cents, allowed_categories, automatic_purchases, paused, policy_version"
      " FROM agent_payment_accounts WHERE account_id = ?");
  query.bind(1, accountId).step();
  return PaymentAccount{
      .setupState = setupStateNamed(query.columnText(0)),
      .cardLast4 = query.columnIsNull(1) ? std::nullopt : std::optional(query.columnText(1)),
      .policy = {.agentId = query.columnText(2),
                 .monthlyLimitCents = query.columnInt64(3),
                 .perPurchaseLimitCents = query.columnInt64(4),
                 .approvalThresholdCents = query.columnInt64(5),
                 .allowedCategories = categoriesFrom(query.columnText(6)),
                 .allowsAutomaticPurchases = query.columnInt64(7) != 0,
                 .isPaused = query.columnInt64(8) != 0},
      .policyVersion = query.columnInt64(9)};
}

std::string PaymentAccountStore::startOnboarding(std::string_view accountId) {
  ensureRecord(accountId);
  const std::string link = randomBase64Url(kLinkBytes);
  database_
      .prepare(
          "UPDATE agent_payment_accounts SET setup_state = 'onboarding_required',"
          " onboarding_link_hash = ?, onboarding_link_expires_at = ? WHERE account_id = ?")
      .bind(1, sha256Hex(link))
      .bind(2, clock_.now() + kOnboardingLinkLifetimeSeconds)
      .bind(3, accountId)
      .step();
  return link;
}

std::expected<std::string, PaymentAccountStore::LinkProblem> PaymentAccountStore::onboardingAccount(
    std::string_view link) {
  Statement query = database_.prepare(
      "SELECT account_id, onboarding_link_expires_at FROM agent_payment_accounts"
      " WHERE onboarding_link_hash = ? AND setup_state = 'onboarding_required'");
  if (!query.bind(1, sha256Hex(link)).step()) return std::unexpected(LinkProblem::unknown);
  if (query.columnInt64(1) <= clock_.now()) return std::unexpected(LinkProblem::expired);
  return query.columnText(0);
}

std::expected<std::string, PaymentAccountStore::LinkProblem>
PaymentAccountStore::completeOnboarding(std::string_view link) {
  auto accountId = onboardingAccount(link);
  if (!accountId) return accountId;
  database_
      .prepare(
          "UPDATE agent_payment_accounts SET setup_state = 'ready', card_last4 = ?,"
          " onboarding_link_hash = NULL, onboarding_link_expires_at = NULL WHERE account_id = ?")
      .bind(1, cardLast4())
      .bind(2, *accountId)
      .step();
  return accountId;
}

std::int64_t PaymentAccountStore::savePolicy(std::string_view accountId,
                                             const PaymentPolicy& policy) {
  ensureRecord(accountId);
  database_
      .prepare(
          "UPDATE agent_payment_accounts SET agent_id = ?, monthly_limit_cents = ?,"
          " per_purchase_limit_cents = ?, approval_threshold_cents = ?, allowed_categories = ?,"
          " automatic_purchases = ?, paused = ?, policy_version = policy_version + 1"
          " WHERE account_id = ?")
      .bind(1, trimmed(policy.agentId))
      .bind(2, policy.monthlyLimitCents)
      .bind(3, policy.perPurchaseLimitCents)
      .bind(4, policy.approvalThresholdCents)
      .bind(5, categoriesText(policy.allowedCategories))
      .bind(6, std::int64_t{policy.allowsAutomaticPurchases})
      .bind(7, std::int64_t{policy.isPaused})
      .bind(8, accountId)
      .step();
  return find(accountId).policyVersion;
}

}  // namespace ondi::server
