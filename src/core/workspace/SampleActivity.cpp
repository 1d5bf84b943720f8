#include "core/workspace/SampleData.h"

namespace ondi::SampleData {

const std::vector<ActivityItem>& activity() {
  using enum AccentTone;
  static const std::vector<ActivityItem> list{
      {"activity-1", "Draft ready", "Order Agent prepared three customer replies.", "4 min ago",
       green},
      {"activity-2", "Route changed", "Main Agent moved ad analysis to Ads Agent.", "11 min ago",
       blue},
      {"activity-3", "Connector synced", "QuickBooks invoice data refreshed.", "26 min ago", green},
      {"activity-4", "Approval paused", "Calendar booking needs one more callback window.",
       "38 min ago", slate},
  };
  return list;
}

}  // namespace ondi::SampleData
