#include "core/payments/AgentPaymentStore.h"

#include <algorithm>
#include <cctype>
#include <expected>

#include "core/account/WorkspaceAPIClient.h"
#include "core/payments/OnboardingAddress.h"
#include "core/ports/Clock.h"
#include "core/ports/SettingsStore.h"
#include "core/util/Json.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

constexpr const char* kStatusPath = "/api/agent-payments/status";
constexpr const char* kSetupPath = "/api/agent-payments/setup";
constexpr const char* kPolicyPath = "/api/agent-payments/policy";
constexpr const char* kTopupsPath = "/api/agent-payments/topups";

constexpr const char* kUnreadableAnswer =
    "The payment service sent an answer that could not be read.";

struct Answer {
  int statusCode = 0;
  bool succeeded() const { return statusCode >= 200 && statusCode <= 299; }
};

// The service's envelope with the answer's status, or the sentence that says why there is none.
template <typename Envelope>
std::expected<std::pair<Answer, Envelope>, std::string> readAnswer(const DesktopAPIResult& result) {
  if (!result) return std::unexpected(result.error().description());
  auto envelope = decodeJSON<Envelope>(result->data);
  if (!envelope) return std::unexpected(std::string(kUnreadableAnswer));
  return std::pair{Answer{result->statusCode}, *std::move(envelope)};
}

std::optional<AgentPaymentPolicy> storedPolicy(const SettingsStore& settings) {
  const auto text = settings.stringValue(kAgentPaymentDraftPolicyKey);
  return text ? decodeJSON<AgentPaymentPolicy>(*text) : std::nullopt;
}

std::string lowercased(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

AgentPaymentStore::AgentPaymentStore(Dependencies dependencies) : deps_(dependencies) {
  const auto restored = storedPolicy(deps_.settings);
  draftPolicy.set(restored.value_or(AgentPaymentPolicy::draftDefault()));
  savedPolicy.set(draftPolicy.get());
  // Whatever is stored, readable or not, stands for an earlier save.
  if (deps_.settings.stringValue(kAgentPaymentDraftPolicyKey)) lastSavedAt.set(deps_.clock.now());
  if (deps_.session.get().isAuthenticated()) accountID_ = deps_.session.get().identity().id;
  connections_.add(deps_.session.changed().connect(
      [this](const WorkspaceSessionState& session) { sessionChanged(session); }));
  // Once the account has been loaded (the payment screen has been shown), every session check
  // keeps it current.
  connections_.add(deps_.sessionChecked.connect([this] {
    if (hasLoadedRemoteState_ && deps_.session.get().isAuthenticated()) refresh();
  }));
}

bool AgentPaymentStore::canSave() const {
  return draftPolicy.get().validationIssues().empty() && hasUnsavedChanges() && !isSaving.get();
}

bool AgentPaymentStore::canAddCredit() const {
  const std::int64_t amount = topupAmountDollars.get();
  return account.get().setupState == AgentPaymentSetupState::ready &&
         amount >= kMinimumTopupDollars && amount <= kMaximumTopupDollars && !isAddingCredit.get();
}

void AgentPaymentStore::editDraft(const std::function<void(AgentPaymentPolicy&)>& edit) {
  AgentPaymentPolicy policy = draftPolicy.get();
  edit(policy);
  draftPolicy.set(std::move(policy));
}

void AgentPaymentStore::toggleCategory(AgentPaymentCategory category) {
  editDraft([category](AgentPaymentPolicy& policy) {
    if (!policy.allowedCategories.erase(category)) policy.allowedCategories.insert(category);
  });
}

void AgentPaymentStore::discardChanges() {
  draftPolicy.set(savedPolicy.get());
  errorMessage.set(std::nullopt);
}

void AgentPaymentStore::refresh() {
  if (isRefreshing.get()) return;
  isRefreshing.set(true);
  errorMessage.set(std::nullopt);
  // A save under way, or sent before the answer, may change the policy on either side of the
  // service's reading of it.
  const bool saveUnderWay = isSaving.get();
  const unsigned savesBefore = policySaves_;
  send(kStatusPath, "GET", std::nullopt,
       [this, saveUnderWay, savesBefore](const DesktopAPIResult& result) {
         isRefreshing.set(false);
         // A service without card issuing answers 404: the screen shows it as unavailable.
         if (result && result->statusCode == 404) {
           account.set(AgentPaymentAccountSnapshot::unavailable());
           return;
         }
         const auto answer = readAnswer<AgentPaymentStatusEnvelope>(result);
         if (!answer) {
           errorMessage.set(answer.error());
           return;
         }
         const auto& [status, envelope] = *answer;
         if (status.succeeded() && envelope.ok && envelope.state) {
           // Its policy may be older than a save's answer: it is not adopted, and the status is
           // asked for again once no save is under way.
           const bool overtaken = saveUnderWay || savesBefore != policySaves_ || isSaving.get();
           applyStatus(envelope, !overtaken);
           if (overtaken && !isSaving.get()) refresh();
           return;
         }
         errorMessage.set(envelope.error.value_or("Agent Payment status is unavailable."));
       });
}

void AgentPaymentStore::applyStatus(const AgentPaymentStatusEnvelope& envelope,
                                    bool policyIsCurrent) {
  AgentPaymentAccountSnapshot state = *envelope.state;
  if (!policyIsCurrent) {
    state.policy = savedPolicy.get();
    account.set(state);
    return;
  }
  account.set(state);
  // Edits made after the first answer survive later refreshes until saved or discarded; the
  // first answer of a launch always replaces a restored draft.
  if (!(hasLoadedRemoteState_ && hasUnsavedChanges())) {
    draftPolicy.set(state.policy);
    adoptSavedPolicy(state.policy);
  }
  hasLoadedRemoteState_ = true;
}

void AgentPaymentStore::adoptSavedPolicy(const AgentPaymentPolicy& policy) {
  savedPolicy.set(policy);
  deps_.settings.setString(kAgentPaymentDraftPolicyKey, encodeJSON(policy));
}

void AgentPaymentStore::startSetup(OpenURL open) {
  if (isSettingUp.get()) return;
  isSettingUp.set(true);
  errorMessage.set(std::nullopt);
  confirmationMessage.set(std::nullopt);
  send(kSetupPath, "POST", "{}", [this, open = std::move(open)](const DesktopAPIResult& result) {
    isSettingUp.set(false);
    const auto answer = readAnswer<AgentPaymentSetupEnvelope>(result);
    if (!answer) {
      errorMessage.set(answer.error());
      return;
    }
    const auto& [status, envelope] = *answer;
    if (!status.succeeded() || !envelope.ok) {
      errorMessage.set(envelope.error.value_or("Stripe setup could not be started."));
    } else if (envelope.url && !isSecureOnboardingAddress(*envelope.url)) {
      errorMessage.set(
          "Stripe's onboarding address is not a secure web address, so it was not opened.");
    } else if (envelope.url) {
      open(*envelope.url);
      confirmationMessage.set(
          "Continue in Stripe's secure onboarding page, then return here and refresh.");
    } else {
      confirmationMessage.set("Stripe Agent Payment setup is ready.");
    }
  });
}

void AgentPaymentStore::savePolicy() {
  if (!canSave()) return;
  ++policySaves_;
  isSaving.set(true);
  errorMessage.set(std::nullopt);
  confirmationMessage.set(std::nullopt);
  send(kPolicyPath, "PUT", encodeJSON(policyRequestBody(draftPolicy.get())),
       [this](const DesktopAPIResult& result) {
         isSaving.set(false);
         const auto answer = readAnswer<AgentPaymentPolicyEnvelope>(result);
         if (!answer) {
           errorMessage.set(answer.error());
           return;
         }
         const auto& [status, envelope] = *answer;
         if (!status.succeeded() || !envelope.ok || !envelope.policy) {
           errorMessage.set(envelope.error.value_or("The server policy was not changed."));
           return;
         }
         // The service's version of the policy, which may differ from what was sent.
         adoptSavedPolicy(*envelope.policy);
         draftPolicy.set(*envelope.policy);
         lastSavedAt.set(deps_.clock.now());
         confirmationMessage.set("Policy saved and synchronized with Stripe spending controls.");
         refresh();
       });
}

void AgentPaymentStore::addCredit() {
  if (!canAddCredit()) return;
  const std::int64_t amountCents = topupAmountDollars.get() * 100;
  // A retry of the same amount, after an answer that never came or a refusal, carries the same
  // key, so the service never funds one top-up twice; a new amount is a new attempt.
  if (!pendingTopup_ || pendingTopup_->amountCents != amountCents) {
    pendingTopup_ = TopupAttempt{lowercased(newUUID()), amountCents};
  }
  isAddingCredit.set(true);
  errorMessage.set(std::nullopt);
  confirmationMessage.set(std::nullopt);
  send(kTopupsPath, "POST",
       encodeJSON(topupRequestBody(amountCents, pendingTopup_->idempotencyKey)),
       [this](const DesktopAPIResult& result) {
         isAddingCredit.set(false);
         const auto answer = readAnswer<AgentPaymentTopupEnvelope>(result);
         if (!answer) {
           errorMessage.set(answer.error());
           return;
         }
         const auto& [status, envelope] = *answer;
         if (!status.succeeded() || !envelope.ok || !envelope.topup) {
           errorMessage.set(envelope.error.value_or("Stripe did not create the top-up."));
           return;
         }
         pendingTopup_.reset();
         confirmationMessage.set(envelope.topup->status == "succeeded"
                                     ? "Credit is available for Agent Payment."
                                     : "Stripe accepted the bank top-up. Funds remain pending "
                                       "until Stripe marks them available.");
         refresh();
       });
}

void AgentPaymentStore::send(const std::string& path, const std::string& method,
                             std::optional<std::string> body,
                             std::function<void(const DesktopAPIResult&)> completion) {
  deps_.api.performAuthenticatedAPIRequest(
      path, method, body, {},
      whileAlive(lifetime_, [this, generation = generation_,
                             completion = std::move(completion)](const DesktopAPIResult& result) {
        if (generation == generation_) completion(result);
      }));
}

void AgentPaymentStore::sessionChanged(const WorkspaceSessionState& session) {
  if (session.kind() == WorkspaceSessionState::Kind::signedOut) {
    startAfresh();
    accountID_.clear();
    return;
  }
  if (!session.isAuthenticated()) return;
  const std::string& id = session.identity().id;
  const bool anotherAccount = !accountID_.empty() && accountID_ != id;
  accountID_ = id;
  if (!anotherAccount) return;
  const bool wasLoaded = hasLoadedRemoteState_;
  startAfresh();
  if (wasLoaded) refresh();
}

void AgentPaymentStore::startAfresh() {
  ++generation_;
  deps_.settings.remove(kAgentPaymentDraftPolicyKey);
  hasLoadedRemoteState_ = false;
  pendingTopup_.reset();
  draftPolicy.set(AgentPaymentPolicy::draftDefault());
  savedPolicy.set(AgentPaymentPolicy::draftDefault());
  account.set(AgentPaymentAccountSnapshot::unavailable());
  topupAmountDollars.set(250);
  lastSavedAt.set(std::nullopt);
  isRefreshing.set(false);
  isSaving.set(false);
  isSettingUp.set(false);
  isAddingCredit.set(false);
  errorMessage.set(std::nullopt);
  confirmationMessage.set(std::nullopt);
}

}  // namespace ondi
