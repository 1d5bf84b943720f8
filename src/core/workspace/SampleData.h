#pragma once

#include <vector>

#include "core/workspace/OperationsRecords.h"

namespace ondi::SampleData {

// The built-in operations data the workspace starts from. Each list is built once, on first
// use; only the connectors are later replaced by the service's answer.
const std::vector<AgentProfile>& agents();
const std::vector<RequestItem>& requests();
const std::vector<ApprovalItem>& approvals();
const std::vector<ActivityItem>& activity();
const std::vector<PricingPlan>& plans();
// 32 apps, none connected, each "Checking status" until the service answers.
const std::vector<ConnectorItem>& connectors();

}  // namespace ondi::SampleData
