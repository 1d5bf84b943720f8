#include "payments/PaymentPolicy.h"

#include <algorithm>
#include <limits>

#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

constexpr std::string_view kShapeRule =
    "The policy must carry \"agentId\" as text, the three limits in whole cents, "
    "\"allowedCategories\" as a list, and \"allowsAutomaticPurchases\" and \"isPaused\" as true "
    "or false.";

std::optional<std::int64_t> centsMember(const nlohmann::json& json, std::string_view key) {
  const auto member = json.find(key);
  if (member == json.end() || !member->is_number_integer()) return std::nullopt;
  if (member->is_number_unsigned() &&
      member->get<std::uint64_t>() >
          static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    return std::nullopt;
  }
  return member->get<std::int64_t>();
}

std::optional<bool> boolMember(const nlohmann::json& json, std::string_view key) {
  const auto member = json.find(key);
  if (member == json.end() || !member->is_boolean()) return std::nullopt;
  return member->get<bool>();
}

}  // namespace

std::string_view categoryName(PaymentCategory category) {
  switch (category) {
    case PaymentCategory::advertising:
      return "advertising";
    case PaymentCategory::software:
      return "software";
    case PaymentCategory::supplies:
      return "supplies";
    case PaymentCategory::travel:
      return "travel";
    case PaymentCategory::services:
      return "services";
  }
  return "";
}

std::optional<PaymentCategory> categoryNamed(std::string_view name) {
  const auto found = std::ranges::find(kPaymentCategories, name, categoryName);
  if (found == std::end(kPaymentCategories)) return std::nullopt;
  return *found;
}

std::string categoryList() {
  std::string list;
  const std::size_t count = std::size(kPaymentCategories);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) list += i + 1 == count ? " and " : ", ";
    list += categoryName(kPaymentCategories[i]);
  }
  return list;
}

// An agent's id as the roster and the packs name agents: short, of letters, digits, "-" and
// "_", so that a policy never carries text of its own into every status and purchase reason.
constexpr std::size_t kMaxAgentIdLength = 64;
bool isAgentId(std::string_view id) {
  return id.size() <= kMaxAgentIdLength && std::ranges::all_of(id, [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '-' || c == '_';
         });
}

std::vector<std::string> PaymentPolicy::validationIssues() const {
  std::vector<std::string> issues;
  const std::string agent = trimmed(agentId);
  if (agent.empty()) {
    issues.emplace_back("Choose an agent for this budget.");
  } else if (!isAgentId(agent)) {
    issues.emplace_back("Name the agent by its id: up to 64 letters, digits, \"-\" and \"_\".");
  }
  if (monthlyLimitCents < 1) issues.emplace_back("Monthly limit must be greater than zero.");
  if (perPurchaseLimitCents < 1) {
    issues.emplace_back("Per-purchase limit must be greater than zero.");
  }
  if (monthlyLimitCents < perPurchaseLimitCents) {
    issues.emplace_back("Per-purchase limit cannot exceed the monthly limit.");
  }
  if (approvalThresholdCents < 0 || approvalThresholdCents > perPurchaseLimitCents) {
    issues.emplace_back("Approval threshold must be between zero and the per-purchase limit.");
  }
  if (allowedCategories.empty()) issues.emplace_back("Allow at least one purchase category.");
  return issues;
}

PaymentPolicy PaymentPolicy::initial() {
  return PaymentPolicy{.agentId = "main",
                       .monthlyLimitCents = 50000,
                       .perPurchaseLimitCents = 10000,
                       .approvalThresholdCents = 5000,
                       .allowedCategories = {PaymentCategory::advertising,
                                             PaymentCategory::software, PaymentCategory::supplies},
                       .allowsAutomaticPurchases = false,
                       .isPaused = true};
}

nlohmann::json policyJson(const PaymentPolicy& policy) {
  nlohmann::json categories = nlohmann::json::array();
  for (const PaymentCategory category : policy.allowedCategories) {
    categories.push_back(categoryName(category));
  }
  return {{"agentId", policy.agentId},
          {"monthlyLimitCents", policy.monthlyLimitCents},
          {"perPurchaseLimitCents", policy.perPurchaseLimitCents},
          {"approvalThresholdCents", policy.approvalThresholdCents},
          {"allowedCategories", std::move(categories)},
          {"allowsAutomaticPurchases", policy.allowsAutomaticPurchases},
          {"isPaused", policy.isPaused}};
}

std::expected<PaymentPolicy, std::string> readPolicy(const nlohmann::json& json) {
  if (!json.is_object()) return std::unexpected(std::string(kShapeRule));
  const auto agent = json.find("agentId");
  const auto monthly = centsMember(json, "monthlyLimitCents");
  const auto perPurchase = centsMember(json, "perPurchaseLimitCents");
  const auto threshold = centsMember(json, "approvalThresholdCents");
  const auto categories = json.find("allowedCategories");
  const auto automatic = boolMember(json, "allowsAutomaticPurchases");
  const auto paused = boolMember(json, "isPaused");
  if (agent == json.end() || !agent->is_string() || !monthly || !perPurchase || !threshold ||
      categories == json.end() || !categories->is_array() || !automatic || !paused) {
    return std::unexpected(std::string(kShapeRule));
  }
  PaymentPolicy policy{.agentId = agent->get<std::string>(),
                       .monthlyLimitCents = *monthly,
                       .perPurchaseLimitCents = *perPurchase,
                       .approvalThresholdCents = *threshold,
                       .allowedCategories = {},
                       .allowsAutomaticPurchases = *automatic,
                       .isPaused = *paused};
  for (const nlohmann::json& name : *categories) {
    const auto category = name.is_string() ? categoryNamed(name.get<std::string>()) : std::nullopt;
    if (!category) {
      return std::unexpected("Each allowed category must be one of " + categoryList() + ".");
    }
    policy.allowedCategories.insert(*category);
  }
  return policy;
}

}  // namespace ondi::server
