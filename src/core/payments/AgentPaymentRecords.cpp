#include "core/payments/AgentPaymentRecords.h"

#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr std::pair<AgentPaymentSetupState, const char*> kSetupStates[] = {
    {AgentPaymentSetupState::unavailable, "unavailable"},
    {AgentPaymentSetupState::setupRequired, "setup_required"},
    {AgentPaymentSetupState::onboardingRequired, "onboarding_required"},
    {AgentPaymentSetupState::ready, "ready"},
};

constexpr std::pair<AgentPaymentCategory, const char*> kCategories[] = {
    {AgentPaymentCategory::advertising, "advertising"},
    {AgentPaymentCategory::software, "software"},
    {AgentPaymentCategory::supplies, "supplies"},
    {AgentPaymentCategory::travel, "travel"},
    {AgentPaymentCategory::services, "services"},
};

template <typename Enum, std::size_t N>
const char* wireString(const std::pair<Enum, const char*> (&table)[N], Enum value) {
  for (const auto& [candidate, text] : table) {
    if (candidate == value) return text;
  }
  return "";
}

// An unknown string fails the whole decode, as a missing required key does.
template <typename Enum, std::size_t N>
Enum fromWireString(const std::pair<Enum, const char*> (&table)[N], const nlohmann::json& json) {
  const auto text = json.get<std::string>();
  for (const auto& [candidate, wire] : table) {
    if (text == wire) return candidate;
  }
  throw nlohmann::json::other_error::create(501, "unknown value \"" + text + "\"", &json);
}

}  // namespace

void to_json(nlohmann::json& json, AgentPaymentSetupState state) {
  json = wireString(kSetupStates, state);
}
void from_json(const nlohmann::json& json, AgentPaymentSetupState& state) {
  state = fromWireString(kSetupStates, json);
}
void to_json(nlohmann::json& json, AgentPaymentCategory category) {
  json = wireString(kCategories, category);
}
void from_json(const nlohmann::json& json, AgentPaymentCategory& category) {
  category = fromWireString(kCategories, json);
}

std::vector<std::string> AgentPaymentPolicy::validationIssues() const {
  std::vector<std::string> issues;
  if (trimmedWhitespace(agentID).empty()) issues.push_back("Choose an agent for this budget.");
  if (monthlyLimitCents < 1) issues.push_back("Monthly limit must be greater than zero.");
  if (perPurchaseLimitCents < 1) issues.push_back("Per-purchase limit must be greater than zero.");
  if (monthlyLimitCents < perPurchaseLimitCents) {
    issues.push_back("Per-purchase limit cannot exceed the monthly limit.");
  }
  if (approvalThresholdCents < 0 || approvalThresholdCents > perPurchaseLimitCents) {
    issues.push_back("Approval threshold must be between zero and the per-purchase limit.");
  }
  if (allowedCategories.empty()) issues.push_back("Allow at least one purchase category.");
  return issues;
}

const AgentPaymentPolicy& AgentPaymentPolicy::draftDefault() {
  static const AgentPaymentPolicy policy{
      "main",
      50000,
      10000,
      5000,
      {AgentPaymentCategory::advertising, AgentPaymentCategory::software,
       AgentPaymentCategory::supplies},
      false,
      true};
  return policy;
}

void to_json(nlohmann::json& json, const AgentPaymentPolicy& policy) {
  json = {{"agentId", policy.agentID},
          {"monthlyLimitCents", policy.monthlyLimitCents},
          {"perPurchaseLimitCents", policy.perPurchaseLimitCents},
          {"approvalThresholdCents", policy.approvalThresholdCents},
          {"allowedCategories", policy.allowedCategories},
          {"allowsAutomaticPurchases", policy.allowsAutomaticPurchases},
          {"isPaused", policy.isPaused}};
}

void from_json(const nlohmann::json& json, AgentPaymentPolicy& policy) {
  json.at("agentId").get_to(policy.agentID);
  json.at("monthlyLimitCents").get_to(policy.monthlyLimitCents);
  json.at("perPurchaseLimitCents").get_to(policy.perPurchaseLimitCents);
  json.at("approvalThresholdCents").get_to(policy.approvalThresholdCents);
  const auto categories = json.at("allowedCategories").get<std::vector<AgentPaymentCategory>>();
  policy.allowedCategories = {categories.begin(), categories.end()};
  json.at("allowsAutomaticPurchases").get_to(policy.allowsAutomaticPurchases);
  json.at("isPaused").get_to(policy.isPaused);
}

std::string AgentPaymentTopupSnapshot::id() const {
  return std::to_string(createdAt) + "-" + std::to_string(amountCents) + "-" + status;
}

void from_json(const nlohmann::json& json, AgentPaymentTopupSnapshot& topup) {
  json.at("amountCents").get_to(topup.amountCents);
  json.at("status").get_to(topup.status);
  topup.expectedAvailabilityAt = optionalField<std::int64_t>(json, "expectedAvailabilityAt");
  json.at("createdAt").get_to(topup.createdAt);
}

const AgentPaymentAccountSnapshot& AgentPaymentAccountSnapshot::unavailable() {
  static const AgentPaymentAccountSnapshot snapshot{"stripe_issuing",
                                                    AgentPaymentSetupState::unavailable,
                                                    0,
                                                    0,
                                                    "usd",
                                                    AgentPaymentPolicy::draftDefault(),
                                                    std::nullopt,
                                                    {},
                                                    {}};
  return snapshot;
}

void from_json(const nlohmann::json& json, AgentPaymentAccountSnapshot& snapshot) {
  json.at("provider").get_to(snapshot.provider);
  json.at("setupState").get_to(snapshot.setupState);
  json.at("availableBalanceCents").get_to(snapshot.availableBalanceCents);
  json.at("pendingBalanceCents").get_to(snapshot.pendingBalanceCents);
  json.at("currency").get_to(snapshot.currency);
  json.at("policy").get_to(snapshot.policy);
  snapshot.cardLast4 = optionalField<std::string>(json, "cardLast4");
  json.at("recentTopups").get_to(snapshot.recentTopups);
  json.at("missingConfiguration").get_to(snapshot.missingConfiguration);
}

void from_json(const nlohmann::json& json, AgentPaymentStatusEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.state = optionalField<AgentPaymentAccountSnapshot>(json, "state");
  envelope.error = optionalField<std::string>(json, "error");
}

void from_json(const nlohmann::json& json, AgentPaymentSetupEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.setupState = optionalField<AgentPaymentSetupState>(json, "setupState");
  envelope.url = optionalField<std::string>(json, "url");
  envelope.error = optionalField<std::string>(json, "error");
}

void from_json(const nlohmann::json& json, AgentPaymentPolicyEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.policy = optionalField<AgentPaymentPolicy>(json, "policy");
  envelope.version = optionalField<std::int64_t>(json, "version");
  envelope.error = optionalField<std::string>(json, "error");
}

void from_json(const nlohmann::json& json, AgentPaymentTopupEnvelope::Topup& topup) {
  json.at("amountCents").get_to(topup.amountCents);
  json.at("currency").get_to(topup.currency);
  json.at("status").get_to(topup.status);
  topup.expectedAvailabilityAt = optionalField<std::int64_t>(json, "expectedAvailabilityAt");
}

void from_json(const nlohmann::json& json, AgentPaymentTopupEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.topup = optionalField<AgentPaymentTopupEnvelope::Topup>(json, "topup");
  envelope.error = optionalField<std::string>(json, "error");
}

nlohmann::json policyRequestBody(const AgentPaymentPolicy& policy) {
  return {{"policy", policy}};
}

nlohmann::json topupRequestBody(std::int64_t amountCents, const std::string& idempotencyKey) {
  return {{"amountCents", amountCents}, {"idempotencyKey", idempotencyKey}};
}

}  // namespace ondi
