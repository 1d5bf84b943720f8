#include "core/payments/AgentPaymentDisplay.h"

#include "core/payments/AgentPaymentMoney.h"
#include "core/workspace/OperationsRecords.h"

namespace ondi::AgentPaymentDisplay {

SetupAction setupAction(bool signedIn, bool settingUp, AgentPaymentSetupState state) {
  if (!signedIn) return {"Sign In to Set Up Funds", false};
  if (settingUp) return {"Opening Stripe…", false};
  switch (state) {
    case AgentPaymentSetupState::setupRequired:
      return {"Set Up with Stripe", true};
    case AgentPaymentSetupState::onboardingRequired:
      return {"Continue Stripe Onboarding", true};
    case AgentPaymentSetupState::ready:
      return {"Stripe Setup Complete", false};
    case AgentPaymentSetupState::unavailable:
      break;
  }
  return {"Stripe Setup Unavailable", false};
}

std::string fundingPill(bool refreshing, AgentPaymentSetupState state) {
  if (refreshing) return "CHECKING";
  switch (state) {
    case AgentPaymentSetupState::setupRequired:
      return "SETUP REQUIRED";
    case AgentPaymentSetupState::onboardingRequired:
      return "ONBOARDING";
    case AgentPaymentSetupState::ready:
      return "STRIPE READY";
    case AgentPaymentSetupState::unavailable:
      break;
  }
  return "UNAVAILABLE";
}

std::string cardText(const AgentPaymentAccountSnapshot& account) {
  return account.cardLast4 ? "Virtual card •••• " + *account.cardLast4 : std::string();
}

std::string fundingDetail(const AgentPaymentAccountSnapshot& account) {
  switch (account.setupState) {
    case AgentPaymentSetupState::ready:
      return (account.pendingBalanceCents <= 0
                  ? std::string("Available in the Stripe Issuing balance.")
                  : AgentPaymentMoney::usd(account.pendingBalanceCents) +
                        " is pending bank settlement.") +
             " Subscription billing remains separate.";
    case AgentPaymentSetupState::onboardingRequired:
      return "Finish Stripe identity and funding-bank verification before credit can be added or "
             "spent.";
    case AgentPaymentSetupState::setupRequired:
      return "No Issuing balance is connected. Start Stripe setup to create a controlled agent "
             "card.";
    case AgentPaymentSetupState::unavailable:
      break;
  }
  return "Stripe Issuing is not enabled for this Ondi environment. No spendable balance is being "
         "reported.";
}

std::string policyStatus(bool hasUnsavedChanges, bool wasSaved) {
  if (hasUnsavedChanges) {
    return "Unsaved changes. The current server policy remains in force until this update "
           "succeeds.";
  }
  if (!wasSaved) {
    return "Configure limits, then save the server policy. The desktop app never authorizes a "
           "purchase by itself.";
  }
  return "Policy is synchronized server-side and mirrored to Stripe card controls.";
}

std::string categoryTitle(AgentPaymentCategory category) {
  switch (category) {
    case AgentPaymentCategory::advertising:
      return "Advertising";
    case AgentPaymentCategory::software:
      return "Software";
    case AgentPaymentCategory::supplies:
      return "Supplies";
    case AgentPaymentCategory::travel:
      return "Travel";
    case AgentPaymentCategory::services:
      break;
  }
  return "Services";
}

std::string categorySymbol(AgentPaymentCategory category) {
  switch (category) {
    case AgentPaymentCategory::advertising:
      return "megaphone.fill";
    case AgentPaymentCategory::software:
      return "app.badge.fill";
    case AgentPaymentCategory::supplies:
      return "shippingbox.fill";
    case AgentPaymentCategory::travel:
      return "airplane";
    case AgentPaymentCategory::services:
      break;
  }
  return "person.crop.circle.badge.checkmark";
}

std::string agentName(const std::vector<AgentProfile>& agents, const std::string& agentID) {
  if (agents.empty()) return "Choose agent";
  for (const AgentProfile& agent : agents) {
    if (agent.id == agentID) return agent.name;
  }
  return agentID;
}

}  // namespace ondi::AgentPaymentDisplay
