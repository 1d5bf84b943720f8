#include "agent/StandInReply.h"

#include "agent/ChatText.h"
#include "agent/WorkspacePrompt.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxQuoteCharacters = 200;
constexpr std::size_t kMaxAgentNameCharacters = 80;

constexpr char kOpening[] =
    "I'm the local stand-in for the Ondi agent, so I have not carried anything out.\n\n";
constexpr char kPurchaseOpening[] =
    "I'm the local stand-in for the Ondi agent; purchases go to the stand-in card issuer, which "
    "checks them against your spending policy and charges only its simulated card.\n\n";
constexpr char kApproval[] =
    " and ask for your approval before anything that spends money, sends messages or changes "
    "your accounts.\n\n";

std::string plan(const std::optional<std::string>& monitoredRun) {
  if (monitoredRun) {
    return "Open the managed browser, run the task there and show it in the live monitor so you "
           "can watch each step," +
           std::string(kApproval);
  }
  return "Plan the task, carry it out step by step with its tools" + std::string(kApproval);
}

}  // namespace

std::string standInReply(const AgentPrompt& prompt, const std::optional<std::string>& monitoredRun,
                         const std::optional<std::string>& purchaseDecision) {
  const WorkspacePrompt typed = readWorkspacePrompt(prompt.message);
  std::string reply = purchaseDecision ? kPurchaseOpening : kOpening;
  reply += "**What I received**\n\n> " +
           shortened(collapsedBlanks(typed.request), kMaxQuoteCharacters) + "\n\n";
  if (purchaseDecision) {
    reply += "**Purchase decision**\n\n" + *purchaseDecision + "\n\n";
  } else {
    reply += "**What the hosted agent would do**\n\n" + plan(monitoredRun);
  }
  reply += "**Details**\n\n- Model mode: `" + prompt.modelMode + "`\n";
  reply += "- Workspace context: ";
  reply += prompt.hasWorkspaceContext || typed.wrapped ? "included\n" : "none\n";
  if (typed.selectedAgent) {
    reply += "- Selected agent: " + shortened(*typed.selectedAgent, kMaxAgentNameCharacters) + "\n";
  }
  if (monitoredRun) {
    reply += "- Managed browser run: `" + *monitoredRun +
             "` (a simulated browser you can watch in the live monitor)\n";
  }
  return reply;
}

}  // namespace ondi::server
