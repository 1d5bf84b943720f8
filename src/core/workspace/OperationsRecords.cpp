#include "core/workspace/OperationsRecords.h"

#include <array>
#include <utility>

namespace ondi {
namespace {

template <typename Enum, std::size_t N>
std::string nameOf(const std::array<std::pair<Enum, const char*>, N>& names, Enum value) {
  for (const auto& [candidate, name] : names) {
    if (candidate == value) return name;
  }
  return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<std::pair<Enum, const char*>, N>& names,
                            const std::string& raw) {
  for (const auto& [candidate, name] : names) {
    if (raw == name) return candidate;
  }
  return std::nullopt;
}

constexpr std::array<std::pair<AgentLoad, const char*>, 4> kLoads{{
    {AgentLoad::idle, "Idle"},
    {AgentLoad::active, "Active"},
    {AgentLoad::drafting, "Drafting"},
    {AgentLoad::review, "Review"},
}};

constexpr std::array<std::pair<RequestStatus, const char*>, 4> kRequestStatuses{{
    {RequestStatus::routed, "Routed"},
    {RequestStatus::drafting, "Drafting"},
    {RequestStatus::waiting, "Waiting"},
    {RequestStatus::complete, "Complete"},
}};

constexpr std::array<std::pair<ApprovalState, const char*>, 3> kApprovalStates{{
    {ApprovalState::waiting, "Needs review"},
    {ApprovalState::approved, "Approved"},
    {ApprovalState::paused, "Paused"},
}};

}  // namespace

std::string rawValue(AgentLoad load) {
  return nameOf(kLoads, load);
}
std::optional<AgentLoad> agentLoad(const std::string& raw) {
  return valueOf(kLoads, raw);
}
std::string rawValue(RequestStatus status) {
  return nameOf(kRequestStatuses, status);
}
std::optional<RequestStatus> requestStatus(const std::string& raw) {
  return valueOf(kRequestStatuses, raw);
}
std::string rawValue(ApprovalState state) {
  return nameOf(kApprovalStates, state);
}
std::optional<ApprovalState> approvalState(const std::string& raw) {
  return valueOf(kApprovalStates, raw);
}

}  // namespace ondi
