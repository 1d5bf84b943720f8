#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ondi {

// Where the user's card-issuing account stands; the order is the setup's order.
enum class AgentPaymentSetupState { unavailable, setupRequired, onboardingRequired, ready };

// What an agent may buy, in the order the screen offers the categories.
enum class AgentPaymentCategory { advertising, software, supplies, travel, services };

inline constexpr AgentPaymentCategory kAgentPaymentCategories[] = {
    AgentPaymentCategory::advertising, AgentPaymentCategory::software,
    AgentPaymentCategory::supplies, AgentPaymentCategory::travel, AgentPaymentCategory::services};

void to_json(nlohmann::json& json, AgentPaymentSetupState state);
void from_json(const nlohmann::json& json, AgentPaymentSetupState& state);
void to_json(nlohmann::json& json, AgentPaymentCategory category);
void from_json(const nlohmann::json& json, AgentPaymentCategory& category);

// The spending envelope of one agent; money in whole cents.
struct AgentPaymentPolicy {
  std::string agentID;
  std::int64_t monthlyLimitCents = 0;
  std::int64_t perPurchaseLimitCents = 0;
  std::int64_t approvalThresholdCents = 0;
  std::set<AgentPaymentCategory> allowedCategories;
  bool allowsAutomaticPurchases = false;
  bool isPaused = false;

  std::int64_t monthlyLimitDollars() const { return monthlyLimitCents / 100; }
  std::int64_t perPurchaseLimitDollars() const { return perPurchaseLimitCents / 100; }
  std::int64_t approvalThresholdDollars() const { return approvalThresholdCents / 100; }

  // Every reason the policy may not be saved, in a fixed order; empty when it may.
  std::vector<std::string> validationIssues() const;

  // The envelope shown before the service has answered: paused, $500 a month.
  static const AgentPaymentPolicy& draftDefault();

  bool operator==(const AgentPaymentPolicy&) const = default;
};

void to_json(nlohmann::json& json, const AgentPaymentPolicy& policy);
void from_json(const nlohmann::json& json, AgentPaymentPolicy& policy);

// One recent top-up of the issuing balance; the timestamps are the service's, carried as they are.
struct AgentPaymentTopupSnapshot {
  std::int64_t amountCents = 0;
  std::string status;
  std::optional<std::int64_t> expectedAvailabilityAt;
  std::int64_t createdAt = 0;

  // "createdAt-amountCents-status", for keying lists.
  std::string id() const;

  bool operator==(const AgentPaymentTopupSnapshot&) const = default;
};

void from_json(const nlohmann::json& json, AgentPaymentTopupSnapshot& topup);

// The service's view of the user's payment account.
struct AgentPaymentAccountSnapshot {
  std::string provider;
  AgentPaymentSetupState setupState = AgentPaymentSetupState::unavailable;
  std::int64_t availableBalanceCents = 0;
  std::int64_t pendingBalanceCents = 0;
  std::string currency;
  AgentPaymentPolicy policy;
  std::optional<std::string> cardLast4;
  std::vector<AgentPaymentTopupSnapshot> recentTopups;
  std::vector<std::string> missingConfiguration;

  // What is shown before, or instead of, an answer from the service.
  static const AgentPaymentAccountSnapshot& unavailable();

  bool operator==(const AgentPaymentAccountSnapshot&) const = default;
};

void from_json(const nlohmann::json& json, AgentPaymentAccountSnapshot& snapshot);

struct AgentPaymentStatusEnvelope {
  bool ok = false;
  std::optional<AgentPaymentAccountSnapshot> state;
  std::optional<std::string> error;
};

struct AgentPaymentSetupEnvelope {
  bool ok = false;
  std::optional<AgentPaymentSetupState> setupState;
  std::optional<std::string> url;
  std::optional<std::string> error;
};

struct AgentPaymentPolicyEnvelope {
  bool ok = false;
  std::optional<AgentPaymentPolicy> policy;
  std::optional<std::int64_t> version;
  std::optional<std::string> error;
};

struct AgentPaymentTopupEnvelope {
  struct Topup {
    std::int64_t amountCents = 0;
    std::string currency;
    std::string status;
    std::optional<std::int64_t> expectedAvailabilityAt;
  };
  bool ok = false;
  std::optional<Topup> topup;
  std::optional<std::string> error;
};

void from_json(const nlohmann::json& json, AgentPaymentStatusEnvelope& envelope);
void from_json(const nlohmann::json& json, AgentPaymentSetupEnvelope& envelope);
void from_json(const nlohmann::json& json, AgentPaymentPolicyEnvelope& envelope);
void from_json(const nlohmann::json& json, AgentPaymentTopupEnvelope::Topup& topup);
void from_json(const nlohmann::json& json, AgentPaymentTopupEnvelope& envelope);

// {"policy": {...all seven keys}}
nlohmann::json policyRequestBody(const AgentPaymentPolicy& policy);
// {"amountCents": ..., "idempotencyKey": ...}
nlohmann::json topupRequestBody(std::int64_t amountCents, const std::string& idempotencyKey);

}  // namespace ondi
