#include "core/workspace/SampleData.h"

namespace ondi::SampleData {

const std::vector<RequestItem>& requests() {
  using enum RequestStatus;
  static const std::vector<RequestItem> list{
      {"request-order-delay", "Delayed order customer updates", "Order Management Agent", "Gmail",
       waiting, "Three replies are drafted after checking fulfillment notes and support history.",
       0.84, "4 min ago"},
      {"request-retargeting", "Retargeting spend review", "Ads Agent", "Meta Ads", drafting,
       "Audience overlap and CPA movement are being summarized into a spend recommendation.", 0.62,
       "11 min ago"},
      {"request-week-plan", "Founder weekly plan", "Planning Agent", "Ondi app", routed,
       "Notes, deadlines, and launch tasks are being grouped into a cleaner week plan.", 0.34,
       "19 min ago"},
      {"request-cash", "Past-due invoice summary", "Finance Agent", "QuickBooks", complete,
       "Invoice risk and next collection messages are ready in the finance brief.", 1.0,
       "41 min ago"},
  };
  return list;
}

}  // namespace ondi::SampleData
