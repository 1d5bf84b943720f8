#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/account/DesktopAPI.h"
#include "core/account/WorkspaceSessionState.h"
#include "core/payments/AgentPaymentRecords.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class Clock;
class SettingsStore;
class WorkspaceAPIClient;

inline constexpr const char* kAgentPaymentDraftPolicyKey = "Velmora.agentPayment.draftPolicy";

// The state behind the payment screen: the user's editable spending policy, the policy the
// service last accepted, and the service's view of the card-issuing account. It edits and
// submits the policy, starts onboarding and asks for top-ups; the service decides every
// purchase. The last accepted policy is kept in the user defaults across launches. It starts
// afresh when the user signs out or another account signs in, and answers to requests of the
// account before are dropped, so one account's edits never reach another's.
class AgentPaymentStore {
 public:
  // Top-ups the service accepts, in whole dollars.
  static constexpr std::int64_t kMinimumTopupDollars = 10;
  static constexpr std::int64_t kMaximumTopupDollars = 10000;

  struct Dependencies {
    WorkspaceAPIClient& api;
    SettingsStore& settings;
    const Clock& clock;
    const Published<WorkspaceSessionState>& session;
    // Emitted after every answer to a session check.
    sigc::signal<void()>& sessionChecked;
  };
  using OpenURL = std::function<void(const std::string&)>;

  explicit AgentPaymentStore(Dependencies dependencies);
  AgentPaymentStore(const AgentPaymentStore&) = delete;
  AgentPaymentStore& operator=(const AgentPaymentStore&) = delete;

  Published<AgentPaymentPolicy> draftPolicy;
  Published<AgentPaymentPolicy> savedPolicy;
  Published<AgentPaymentAccountSnapshot> account{AgentPaymentAccountSnapshot::unavailable()};
  Published<std::int64_t> topupAmountDollars{250};
  Published<std::optional<std::chrono::system_clock::time_point>> lastSavedAt;
  Published<bool> isRefreshing{false};
  Published<bool> isSaving{false};
  Published<bool> isSettingUp{false};
  Published<bool> isAddingCredit{false};
  Published<std::optional<std::string>> errorMessage;
  Published<std::optional<std::string>> confirmationMessage;

  // The draft is valid, differs from the saved policy, and no save is under way.
  bool canSave() const;
  // The account is ready, the amount is within the service's bounds, and no top-up is under way.
  bool canAddCredit() const;
  bool hasUnsavedChanges() const { return draftPolicy.get() != savedPolicy.get(); }

  void editDraft(const std::function<void(AgentPaymentPolicy&)>& edit);
  void toggleCategory(AgentPaymentCategory category);
  void discardChanges();

  // Each sends one request and applies its answer when it arrives; one of each kind at a time.
  void refresh();
  // `open` shows the onboarding page the service names in the user's browser.
  void startSetup(OpenURL open);
  void savePolicy();
  void addCredit();

 private:
  struct TopupAttempt {
    std::string idempotencyKey;
    std::int64_t amountCents = 0;
  };

  // `policyIsCurrent` is false for an answer that a save may have overtaken.
  void applyStatus(const AgentPaymentStatusEnvelope& envelope, bool policyIsCurrent);
  void adoptSavedPolicy(const AgentPaymentPolicy& policy);
  void sessionChanged(const WorkspaceSessionState& session);
  void startAfresh();
  // Sends a request whose answer is dropped if the store has started afresh meanwhile.
  void send(const std::string& path, const std::string& method, std::optional<std::string> body,
            std::function<void(const DesktopAPIResult&)> completion);

  Dependencies deps_;
  bool hasLoadedRemoteState_ = false;
  std::optional<TopupAttempt> pendingTopup_;
  // The signed-in account the state belongs to; empty until one is confirmed.
  std::string accountID_;
  // Advanced when the store starts afresh, so answers to earlier requests are dropped.
  unsigned generation_ = 0;
  // Advanced when a save is sent: a status asked for before it may carry the older policy.
  unsigned policySaves_ = 0;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi
