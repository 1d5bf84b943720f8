#pragma once

#include <string>
#include <vector>

#include "core/payments/AgentPaymentRecords.h"

namespace ondi {

struct AgentProfile;

// What the payment screen says about the account and the policy, apart from the widgets.
namespace AgentPaymentDisplay {

struct SetupAction {
  std::string title;
  bool enabled = false;
};

// The setup card's button for the user's situation.
SetupAction setupAction(bool signedIn, bool settingUp, AgentPaymentSetupState state);
// The funding card's pill: "CHECKING" while a refresh runs, else the setup state.
std::string fundingPill(bool refreshing, AgentPaymentSetupState state);
// "Virtual card •••• " and the card's last four digits, shown after the balance; empty while no
// card is known.
std::string cardText(const AgentPaymentAccountSnapshot& account);
// The sentence under the balance, by setup state.
std::string fundingDetail(const AgentPaymentAccountSnapshot& account);
// The sentence under the limits: unsaved edits, never saved, or in force.
std::string policyStatus(bool hasUnsavedChanges, bool wasSaved);

std::string categoryTitle(AgentPaymentCategory category);
std::string categorySymbol(AgentPaymentCategory category);

// The assigned agent's name, "Choose agent" when there are no agents, else the id itself.
std::string agentName(const std::vector<AgentProfile>& agents, const std::string& agentID);

}  // namespace AgentPaymentDisplay
}  // namespace ondi
