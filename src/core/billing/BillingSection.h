#pragma once

#include <array>
#include <optional>
#include <string>

namespace ondi {

// The two parts of the billing screen: the plans on offer and the agent's payment envelope.
enum class BillingSection { plans, agentPayment };

inline constexpr std::array kAllBillingSections{BillingSection::plans,
                                                BillingSection::agentPayment};
inline constexpr const char* kBillingSectionKey = "Velmora.billingSection";

// "plans" or "agentPayment", as kept in the user defaults.
std::string rawValue(BillingSection section);
std::optional<BillingSection> billingSectionFromRawValue(const std::string& raw);
// "Plans" or "Agent Payment".
std::string title(BillingSection section);

}  // namespace ondi
