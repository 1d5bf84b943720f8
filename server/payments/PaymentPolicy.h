#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace ondi::server {

// What an agent may buy, in the order the categories are listed to people.
enum class PaymentCategory { advertising, software, supplies, travel, services };

inline constexpr PaymentCategory kPaymentCategories[] = {
    PaymentCategory::advertising, PaymentCategory::software, PaymentCategory::supplies,
    PaymentCategory::travel, PaymentCategory::services};

// The wire name, which is also the word people type: "advertising", "software", ...
std::string_view categoryName(PaymentCategory category);
std::optional<PaymentCategory> categoryNamed(std::string_view name);
// "advertising, software, supplies, travel and services".
std::string categoryList();

// The spending envelope of one agent; money in whole cents.
struct PaymentPolicy {
  std::string agentId;
  std::int64_t monthlyLimitCents = 0;
  std::int64_t perPurchaseLimitCents = 0;
  std::int64_t approvalThresholdCents = 0;
  std::set<PaymentCategory> allowedCategories;
  bool allowsAutomaticPurchases = false;
  bool isPaused = false;

  // Every reason the policy may not be stored, in a fixed order; empty when it may. The desktop
  // checks the same rules with the same sentences before it sends a policy.
  std::vector<std::string> validationIssues() const;

  // What a new account starts with: paused, $500 a month for the main agent.
  static PaymentPolicy initial();

  bool operator==(const PaymentPolicy&) const = default;
};

// All seven keys: "agentId", "monthlyLimitCents", "perPurchaseLimitCents",
// "approvalThresholdCents", "allowedCategories", "allowsAutomaticPurchases", "isPaused".
nlohmann::json policyJson(const PaymentPolicy& policy);

// Reads all seven keys with their types; the error is a finished sentence. The rules of
// validationIssues are not checked here.
std::expected<PaymentPolicy, std::string> readPolicy(const nlohmann::json& json);

}  // namespace ondi::server
