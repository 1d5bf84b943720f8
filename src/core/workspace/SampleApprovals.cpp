#include "core/workspace/SampleData.h"

namespace ondi::SampleData {

const std::vector<ApprovalItem>& approvals() {
  using enum ApprovalState;
  static const std::vector<ApprovalItem> list{
      {"approval-order-replies",
       "Send three delayed order replies",
       "Order Management Agent",
       "Gmail + Shopify",
       "Customer messages include updated delivery windows and a soft apology.",
       "Customer-facing",
       {"Checked order status", "Matched support history", "Drafted replies", "Holding send"},
       waiting},
      {"approval-ad-spend",
       "Shift $240 from broad audience to retargeting",
       "Ads Agent",
       "Meta Ads",
       "CPA is lower on retargeting and the broad audience has stalled over three days.",
       "Ad spend",
       {"Compared CPA", "Checked frequency", "Drafted budget move", "Waiting for owner"},
       waiting},
      {"approval-calendar",
       "Book two consultation callbacks",
       "Voice Scheduling Agent",
       "Phone",
       "Both callers confirmed preferred windows and contact details.",
       "Calendar",
       {"Logged call", "Checked calendar", "Prepared invites", "Holding booking"},
       paused},
  };
  return list;
}

}  // namespace ondi::SampleData
