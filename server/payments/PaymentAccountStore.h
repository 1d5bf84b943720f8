#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

#include "payments/PaymentPolicy.h"

namespace ondi::server {

class Database;
class ServiceClock;

// Each account's card-issuing setup and its agent's spending policy. An account's record is made
// with the initial policy the first time it is read. Setup goes from "setup required" through
// onboarding, opened by a one-time link that expires after 30 minutes, to "ready", when a
// virtual card is issued. Only the link's SHA-256 is kept.
class PaymentAccountStore {
 public:
  static constexpr std::int64_t kOnboardingLinkLifetimeSeconds = 30 * 60;

  enum class SetupState { setupRequired, onboardingRequired, ready };
  enum class LinkProblem { unknown, expired };

  struct PaymentAccount {
    SetupState setupState = SetupState::setupRequired;
    // The last four digits of the virtual card, once setup is ready.
    std::optional<std::string> cardLast4;
    PaymentPolicy policy;
    // Rises with each stored policy; 0 for the initial one.
    std::int64_t policyVersion = 0;
  };

  PaymentAccountStore(Database& database, const ServiceClock& clock);

  PaymentAccount find(std::string_view accountId);
  // Moves the account to onboarding and returns a new link; earlier links stop working.
  std::string startOnboarding(std::string_view accountId);
  // The account whose unexpired, unused link this is, without using it.
  std::expected<std::string, LinkProblem> onboardingAccount(std::string_view link);
  // Uses the link: the account becomes ready with a new virtual card.
  std::expected<std::string, LinkProblem> completeOnboarding(std::string_view link);
  // Stores the policy, the agent id trimmed, and returns its version.
  std::int64_t savePolicy(std::string_view accountId, const PaymentPolicy& policy);

 private:
  void ensureRecord(std::string_view accountId);

  Database& database_;
  const ServiceClock& clock_;
};

// "setup_required", "onboarding_required" or "ready".
std::string_view setupStateName(PaymentAccountStore::SetupState state);

}  // namespace ondi::server
