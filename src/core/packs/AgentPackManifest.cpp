#include <map>

#include "core/packs/AgentPackCatalog.h"
#include "core/util/Json.h"

namespace ondi {
namespace {

// The manifest's records as the file spells them. Every key is required; extra keys are
// ignored.
struct SharedConnector {
  std::string name;
  std::string symbol;
  std::string tone;
  std::string status;
};

struct SharedHelper {
  std::string id;
  std::string name;
  std::string role;
  std::string symbol;
  std::string status;
  std::vector<std::string> steps;
  std::vector<std::string> connectors;  // keys into the manifest's connectors
};

struct SharedWorkflow {
  std::string id;
  std::string title;
  std::string detail;
  std::string prompt;
  std::string symbol;
  std::string status;
};

struct SharedApproval {
  std::string title;
  std::string detail;
};

struct SharedPack {
  std::string id;
  std::vector<std::string> aliases;
  std::string audience;
  std::string title;
  std::string subtitle;
  std::string overview;
  std::string symbol;
  std::vector<SharedHelper> helpers;
  std::vector<SharedWorkflow> workflows;
  SharedApproval approval;
};

struct SharedPackManifest {
  long long version = 0;
  std::map<std::string, SharedConnector> connectors;
  std::vector<SharedPack> packs;
};

void from_json(const nlohmann::json& json, SharedConnector& connector) {
  json.at("name").get_to(connector.name);
  json.at("symbol").get_to(connector.symbol);
  json.at("tone").get_to(connector.tone);
  json.at("status").get_to(connector.status);
}

void from_json(const nlohmann::json& json, SharedHelper& helper) {
  json.at("id").get_to(helper.id);
  json.at("name").get_to(helper.name);
  json.at("role").get_to(helper.role);
  json.at("symbol").get_to(helper.symbol);
  json.at("status").get_to(helper.status);
  json.at("steps").get_to(helper.steps);
  json.at("connectors").get_to(helper.connectors);
}

void from_json(const nlohmann::json& json, SharedWorkflow& workflow) {
  json.at("id").get_to(workflow.id);
  json.at("title").get_to(workflow.title);
  json.at("detail").get_to(workflow.detail);
  json.at("prompt").get_to(workflow.prompt);
  json.at("symbol").get_to(workflow.symbol);
  json.at("status").get_to(workflow.status);
}

void from_json(const nlohmann::json& json, SharedApproval& approval) {
  json.at("title").get_to(approval.title);
  json.at("detail").get_to(approval.detail);
}

void from_json(const nlohmann::json& json, SharedPack& pack) {
  json.at("id").get_to(pack.id);
  json.at("aliases").get_to(pack.aliases);
  json.at("audience").get_to(pack.audience);
  json.at("title").get_to(pack.title);
  json.at("subtitle").get_to(pack.subtitle);
  json.at("overview").get_to(pack.overview);
  json.at("symbol").get_to(pack.symbol);
  json.at("helpers").get_to(pack.helpers);
  json.at("workflows").get_to(pack.workflows);
  json.at("approval").get_to(pack.approval);
}

void from_json(const nlohmann::json& json, SharedPackManifest& manifest) {
  const nlohmann::json& version = json.at("version");
  // The library would read a boolean or a fraction as a number; the file must hold a whole one.
  if (!version.is_number_integer()) {
    throw nlohmann::json::type_error::create(302, "version is not an integer", &version);
  }
  version.get_to(manifest.version);
  json.at("connectors").get_to(manifest.connectors);
  json.at("packs").get_to(manifest.packs);
}

// A connector key the manifest does not define gives no connector; an unknown tone is blue.
std::vector<AgentPackConnector> helperConnectors(const SharedHelper& helper,
                                                 const SharedPackManifest& manifest) {
  std::vector<AgentPackConnector> connectors;
  for (const std::string& key : helper.connectors) {
    const auto entry = manifest.connectors.find(key);
    if (entry == manifest.connectors.end()) continue;
    const SharedConnector& shared = entry->second;
    connectors.push_back({shared.name, shared.symbol,
                          accentTone(shared.tone).value_or(AccentTone::blue), shared.status});
  }
  return connectors;
}

AgentUseCasePack usecasePack(const SharedPack& shared, AgentPackAudience audience,
                             const SharedPackManifest& manifest) {
  std::vector<AgentPackHelper> helpers;
  for (const SharedHelper& helper : shared.helpers) {
    helpers.push_back({helper.id, helper.name, helper.role, helper.symbol, helper.steps,
                       helperConnectors(helper, manifest), helper.status});
  }
  std::vector<AgentPackWorkflow> workflows;
  for (const SharedWorkflow& workflow : shared.workflows) {
    workflows.push_back({workflow.id, workflow.title, workflow.detail, workflow.prompt,
                         workflow.symbol, workflow.status});
  }
  return {shared.id,
          audience,
          shared.title,
          shared.subtitle,
          shared.overview,
          shared.symbol,
          std::move(helpers),
          std::move(workflows),
          shared.approval.title,
          shared.approval.detail,
          shared.aliases};
}

}  // namespace

std::optional<std::vector<AgentUseCasePack>> agentPacksFromManifest(const std::string& text) {
  const auto manifest = decodeJSON<SharedPackManifest>(text);
  if (!manifest || manifest->version != 1) return std::nullopt;
  std::vector<AgentUseCasePack> packs;
  for (const SharedPack& shared : manifest->packs) {
    // A pack for an audience this build does not know is left out.
    if (const auto audience = agentPackAudience(shared.audience)) {
      packs.push_back(usecasePack(shared, *audience, *manifest));
    }
  }
  if (packs.empty()) return std::nullopt;
  return packs;
}

}  // namespace ondi
