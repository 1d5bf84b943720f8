#pragma once

#include <string>
#include <vector>

#include <sigc++/signal.h>

#include "core/account/AgentInstructionProfile.h"
#include "core/account/AuthRecords.h"
#include "core/account/ConversationThreads.h"
#include "core/account/DesktopAccountPreferences.h"
#include "core/account/VelmoraModelProvider.h"
#include "core/account/WorkspaceSessionState.h"
#include "core/published/Published.h"

namespace ondi {

// Everything the model publishes about the signed-in account.
struct AccountState {
  Published<WorkspaceSessionState> workspaceSessionState{WorkspaceSessionState::checking()};
  bool isWorkspaceSessionRefreshInFlight = false;

  Published<DesktopAccountPreferences> desktopPreferences;
  Published<VelmoraModelProvider> selectedModelProvider{VelmoraModelProvider::automatic};
  Published<std::vector<AgentInstructionProfile>> agentInstructionProfiles;
  Published<ConversationHistoryStatus> conversationHistoryStatus;
  Published<std::vector<DesktopConversationThread>> conversationThreads;
  Published<std::string> activeConversationThreadID{"default"};

  Published<DesktopAuthProviders> authProviders;
  Published<bool> isAuthenticationPresented{false};
  Published<DesktopAuthIntent> authenticationIntent{DesktopAuthIntent::signIn};
  Published<bool> isAuthenticationActionInFlight{false};
  Published<std::string> authenticationError;
  Published<std::string> authenticationNotice;
  Published<bool> isAccountActionInFlight{false};
  Published<std::string> accountActionError;

  // The trimmed id of the confirmed user, or empty.
  std::string signedInUserID() const {
    const auto& state = workspaceSessionState.get();
    return state.isAuthenticated() ? state.identity().id : std::string();
  }

  // Emitted by clearAccountBoundData, for the controllers that keep account data of their own.
  sigc::signal<void()> accountBoundDataCleared;

  // Forgets what belongs to an account: profiles, history capabilities and threads here, and
  // whatever the listeners of accountBoundDataCleared keep.
  void clearAccountBoundData() {
    agentInstructionProfiles.set({});
    conversationHistoryStatus.set({});
    conversationThreads.set({});
    activeConversationThreadID.set("default");
    accountBoundDataCleared.emit();
  }
};

}  // namespace ondi
