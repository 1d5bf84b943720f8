#include "routes/AgentRoutes.h"

#include <optional>
#include <string>

#include "accounts/AccountServices.h"
#include "agent/AgentPrompt.h"
#include "agent/AgentServices.h"
#include "agent/AgentStateJson.h"
#include "agent/BrowserMonitorRequest.h"
#include "agent/ChatText.h"
#include "agent/StandInReply.h"
#include "agent/ThreadId.h"
#include "agent/TurnUsage.h"
#include "agent/WorkspacePrompt.h"
#include "auth/SignedInAccount.h"
#include "crypto/SecureRandom.h"
#include "db/Transaction.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "payments/AgentPurchases.h"
#include "runs/RunServices.h"
#include "runs/RunnerSession.h"

namespace ondi::server {
namespace {

constexpr std::size_t kWorkflowIdRandomBytes = 12;
constexpr std::size_t kMaxObjectiveCharacters = 200;

Response signedOut() {
  return Response::error(401, "Sign in to use the agent.");
}

// Whether the account may start one more thread.
bool hasRoomForThread(AgentServices& agent, const std::string& accountId) {
  return agent.threads.count(accountId) < agent.threadLimit;
}

Response threadLimitReached(const AgentServices& agent) {
  return Response::error(409, "You have reached the limit of " + std::to_string(agent.threadLimit) +
                                  " conversations. Continue one of them instead.");
}

Response threadState(AccountServices& accounts, AgentServices& agent, const Request& request) {
  const auto account = signedInAccount(accounts, request);
  if (!account) return signedOut();
  const std::string threadId =
      request.queryItem("threadId").value_or(std::string(kDefaultThreadId));
  if (!isThreadId(threadId)) return Response::error(400, kThreadIdRule);
  return Response::json(200, agentStateJson(agent, *account, threadId));
}

Response newThread(AccountServices& accounts, AgentServices& agent, const Request& request) {
  const auto account = signedInAccount(accounts, request);
  if (!account) return signedOut();
  if (!hasRoomForThread(agent, account->id)) return threadLimitReached(agent);
  const std::string threadId = newThreadId();
  agent.threads.create(account->id, threadId, kNewChatTitle);
  return Response::json(200, {{"ok", true},
                              {"activeThreadId", threadId},
                              {"state", agentStateJson(agent, *account, threadId)}});
}

// A thread takes its title from its first prompt.
void recordExchange(AgentServices& agent, const std::string& accountId, const AgentPrompt& prompt,
                    const std::string& reply) {
  const auto thread = agent.threads.find(accountId, prompt.threadId);
  const bool untitled = !thread || thread->messageCount == 0;
  const std::string title = untitled ? threadTitle(prompt.message) : thread->title;
  if (!thread) {
    agent.threads.create(accountId, prompt.threadId, title);
  } else if (untitled) {
    agent.threads.rename(accountId, prompt.threadId, title);
  }
  agent.messages.append(accountId, prompt.threadId, "user", prompt.message);
  agent.messages.append(accountId, prompt.threadId, "assistant", reply);
  agent.threads.touch(accountId, prompt.threadId);
  agent.events.record(accountId, "agent.reply", "Agent replied", "Answered in \"" + title + "\".",
                      "completed");
}

// A prompt that asks to watch the managed browser starts a cloud-agent run whose simulated
// browser works on the request: on a cloud desktop watched through screenshots when the prompt
// asks for one, otherwise in the browser-runner watched through its live control page.
std::optional<std::string> startMonitoredRun(BrowserRunStore& runs, const std::string& accountId,
                                             const AgentPrompt& prompt) {
  const std::string request = readWorkspacePrompt(prompt.message).request;
  if (!asksForMonitoredBrowser(request)) return std::nullopt;
  const std::string provider(asksForCloudDesktop(request) ? kDaytonaProvider
                                                          : kBrowserRunnerProvider);
  return runs
      .create(accountId, "wf_" + randomHex(kWorkflowIdRandomBytes),
              shortened(collapsedBlanks(request), kMaxObjectiveCharacters), provider)
      .id;
}

Response sendPrompt(AccountServices& accounts, AgentServices& agent, BrowserRunStore& runs,
                    PaymentServices& payments, const Request& request) {
  if (auto failure = agent.failures.nextFailure()) return *std::move(failure);
  const auto account = signedInAccount(accounts, request);
  if (!account) return signedOut();
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, "The request body must be a JSON object.");
  const auto prompt = readAgentPrompt(*body);
  if (!prompt) return Response::error(400, prompt.error());

  Transaction transaction(agent.database);
  if (!agent.threads.find(account->id, prompt->threadId) && !hasRoomForThread(agent, account->id)) {
    return threadLimitReached(agent);
  }
  const TurnUsage usage =
      todaysTurnUsage(agent.messages, agent.clock, agent.freeTurnLimit, *account);
  if (usage.exhausted()) {
    return Response::error(
        429, "You have used today's " + std::to_string(*usage.limit) + " turns on the Free plan.");
  }
  const auto purchase =
      answerPurchaseRequest(payments, account->id, readWorkspacePrompt(prompt->message));
  const auto monitoredRun = purchase ? std::nullopt : startMonitoredRun(runs, account->id, *prompt);
  recordExchange(agent, account->id, *prompt, standInReply(*prompt, monitoredRun, purchase));
  transaction.commit();

  nlohmann::json answer = {{"ok", true},
                           {"state", agentStateJson(agent, *account, prompt->threadId)}};
  if (monitoredRun) answer["monitoredRun"] = {{"id", *monitoredRun}};
  return Response::json(200, std::move(answer));
}

}  // namespace

void addAgentRoutes(Router& router, AccountServices& accounts, AgentServices& agent,
                    RunServices& runs, PaymentServices& payments) {
  router.add("GET", "/api/agent/state", [&accounts, &agent](const Request& request) {
    return threadState(accounts, agent, request);
  });
  router.add("POST", "/api/agent/new", [&accounts, &agent](const Request& request) {
    return newThread(accounts, agent, request);
  });
  router.add("POST", "/api/agent/message",
             [&accounts, &agent, &runs, &payments](const Request& request) {
               return sendPrompt(accounts, agent, runs.runs, payments, request);
             });
}

}  // namespace ondi::server
