#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/published/Published.h"
#include "core/util/Lifetime.h"

namespace ondi {

class RouteNavigation;
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
// agent route and fills the page's composer. When another page is shown it loads the operator
// page, and the prompt waits in one slot until that page has loaded.
class AgentPromptPreparation {
 public:
  AgentPromptPreparation(RouteNavigation& navigation, SurfaceChannel& page);

  // One slot: a newer prompt replaces one still waiting for the page.
  Published<std::optional<PendingAgentPrompt>> pendingAgentPrompt;

  void prepareAgentPrompt(const std::string& prompt, const std::optional<std::string>& subagent);
  // Starts a conversation with the sidebar helper `name` on the general agent page.
  void useSubagent(const std::string& name);
  // Fills the composer of the page shown now; `completion` learns whether the page took it.
  void injectAgentPrompt(const std::string& prompt, const std::optional<std::string>& subagent,
                         std::function<void(bool)> completion = {});
  // The agent page finished loading: the waiting prompt goes into its composer.
  void injectPendingAgentPrompt();

  // Fills the composer through the page's own function when it has one, else directly;
  // evaluates to "prepared", or "missing" when the page has no composer.
  static std::string preparePromptScript(const std::string& prompt,
                                         const std::optional<std::string>& subagent);

 private:
  // Injects the waiting prompt and empties the slot once the page took it, unless a newer
  // prompt took its place meanwhile.
  void injectAndClear(const PendingAgentPrompt& pending);

  RouteNavigation& navigation_;
  SurfaceChannel& page_;
  Lifetime lifetime_;
};

}  // namespace ondi
