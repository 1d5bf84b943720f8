#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/packs/AgentPack.h"

namespace ondi {

// The packs the application offers: those of a valid manifest, which replace the built-in
// packs completely, or else the built-in ones. Read-only once built; the composition root
// builds one per process.
class AgentPackCatalog {
 public:
  // `manifest` is the text of an agent-packs.json file, when one was found.
  explicit AgentPackCatalog(const std::optional<std::string>& manifest = std::nullopt);

  // Every pack, both audiences mixed, in catalog order.
  const std::vector<AgentUseCasePack>& all() const { return packs_; }
  // The packs of one audience, in catalog order; may be empty.
  std::vector<AgentUseCasePack> packs(AgentPackAudience audience) const;
  // The first pack whose id, or one of whose aliases, equals `id` exactly; none otherwise.
  const AgentUseCasePack* pack(const std::string& id) const;

 private:
  std::vector<AgentUseCasePack> packs_;
};

// The eight packs the application carries, in catalog order.
std::vector<AgentUseCasePack> builtInAgentPacks();
// The packs of a version-1 manifest, in manifest order; none when the text is not a valid
// manifest or no pack survives.
std::optional<std::vector<AgentUseCasePack>> agentPacksFromManifest(const std::string& manifest);

}  // namespace ondi
