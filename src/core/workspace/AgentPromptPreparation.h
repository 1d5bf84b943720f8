#pragma once

#include <optional>
#include <string>

#include "core/app/Published.h"
#include "core/util/Lifetime.h"

namespace ondi {

class RouteNavigation;
class Scheduler;
class SurfaceChannel;

// One prompt waiting to be placed into the agent page's composer, with the helper it is for.
struct PendingAgentPrompt {
  std::string prompt;                   // never empty
  std::optional<std::string> subagent;  // never empty when present

  // Trims both texts; nothing for an empty prompt, no subagent for an empty title.
  static std::optional<PendingAgentPrompt> make(const std::string& prompt,
                                                const std::optional<std::string>& subagent);
  bool operator==(const PendingAgentPrompt&) const = default;
};

// Puts prompts in front of the user in the operator page of the agent surface: it shows the
// agent route and fills the page's composer, loading the page first when another one is shown.
class AgentPromptPreparation {
 public:
  AgentPromptPreparation(RouteNavigation& navigation, SurfaceChannel& page, Scheduler& scheduler);

  // One slot: a newer prompt replaces one still waiting for the page.
  Published<std::optional<PendingAgentPrompt>> pendingAgentPrompt;

  void prepareAgentPrompt(const std::string& prompt, const std::optional<std::string>& subagent);

  // Fills the composer through the page's own function when it has one, else directly;
  // evaluates to "prepared", or "missing" when the page has no composer.
  static std::string preparePromptScript(const PendingAgentPrompt& pending);

 private:
  void injectPendingAgentPrompt();

  RouteNavigation& navigation_;
  SurfaceChannel& page_;
  Scheduler& scheduler_;
  // Set from loading the operator page until the delayed injection runs.
  bool isWaitingForPage_ = false;
  Lifetime lifetime_;
};

}  // namespace ondi
