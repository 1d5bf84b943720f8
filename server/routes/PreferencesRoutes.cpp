#include "routes/PreferencesRoutes.h"

#include <optional>
#include <vector>

#include "accounts/AccountServices.h"
#include "accounts/AgentProfiles.h"
#include "accounts/DesktopPreferences.h"
#include "accounts/InstructionUpdates.h"
#include "auth/SignedInAccount.h"
#include "db/Transaction.h"
#include "http/JsonBody.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

// What one request changes, checked in full before anything is written.
struct Changes {
  std::optional<nlohmann::json> preferences;
  std::vector<InstructionUpdate> instructions;
};

std::expected<Changes, std::string> checkedChanges(const nlohmann::json& body) {
  const auto preferences = body.find("preferences");
  const auto instructions = body.find("agentInstructions");
  if (preferences == body.end() && instructions == body.end()) {
    return std::unexpected("Send \"preferences\" or \"agentInstructions\" to change.");
  }
  Changes changes;
  if (preferences != body.end()) {
    auto checked = checkedDesktopPreferences(*preferences);
    if (!checked) return std::unexpected(checked.error());
    changes.preferences = *std::move(checked);
  }
  if (instructions != body.end()) {
    auto checked = checkedInstructionUpdates(*instructions);
    if (!checked) return std::unexpected(checked.error());
    changes.instructions = *std::move(checked);
  }
  return changes;
}

void save(AccountServices& services, const std::string& accountId, const Changes& changes) {
  Transaction transaction(services.database);
  if (changes.preferences) services.preferences.save(accountId, *changes.preferences);
  for (const InstructionUpdate& update : changes.instructions) {
    // Instructions equal to the defaults are the defaults: the agent follows them again, and
    // later changes to the defaults reach it.
    if (update.instructions == defaultInstructions(*findAgent(update.agentId))) {
      services.instructions.reset(accountId, update.agentId);
    } else {
      services.instructions.save(accountId, update.agentId, update.instructions);
    }
  }
  transaction.commit();
}

Response updatePreferences(AccountServices& services, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, "Sign in to change account settings.");
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, "The request body must be a JSON object.");
  const auto changes = checkedChanges(*body);
  if (!changes) return Response::error(400, changes.error());
  save(services, account->id, *changes);
  return Response::json(
      200, {{"ok", true},
            {"agentInstructions", agentProfilesJson(services.instructions.load(account->id))}});
}

}  // namespace

void addPreferencesRoutes(Router& router, AccountServices& services) {
  router.add("PUT", "/api/account/preferences",
             [&services](const Request& request) { return updatePreferences(services, request); });
}

}  // namespace ondi::server
