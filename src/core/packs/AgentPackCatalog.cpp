#include "core/packs/AgentPackCatalog.h"

#include <algorithm>

namespace ondi {

AgentPackCatalog::AgentPackCatalog(const std::optional<std::string>& manifest) {
  auto shared = manifest ? agentPacksFromManifest(*manifest) : std::nullopt;
  packs_ = shared ? *std::move(shared) : builtInAgentPacks();
}

std::vector<AgentUseCasePack> AgentPackCatalog::packs(AgentPackAudience audience) const {
  std::vector<AgentUseCasePack> matching;
  std::ranges::copy_if(
      packs_, std::back_inserter(matching),
      [audience](const AgentUseCasePack& pack) { return pack.audience == audience; });
  return matching;
}

const AgentUseCasePack* AgentPackCatalog::pack(const std::string& id) const {
  const auto found = std::ranges::find_if(packs_, [&id](const AgentUseCasePack& pack) {
    return pack.id == id || std::ranges::find(pack.aliases, id) != pack.aliases.end();
  });
  return found == packs_.end() ? nullptr : &*found;
}

}  // namespace ondi
