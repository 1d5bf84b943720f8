#include <gtest/gtest.h>

#include <optional>

#include "core/app/DesktopBrowserModel.h"
#include "core/billing/BillingController.h"
#include "core/billing/BillingRoute.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/BillingAddress.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/script/SurfaceResources.h"
#include "core/workspace/WorkspaceStore.h"
#include "fakes/FakePlatform.h"

namespace ondi {
namespace {

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};

class BillingTest : public ::testing::Test {
 protected:
  const PricingPlan& plan(const std::string& id) {
    return *std::ranges::find(model->workspace().plans.get(), id, &PricingPlan::id);
  }

  fakes::FakePlatform platform;
  std::optional<DesktopBrowserModel> model{std::in_place, kOrigin, platform.services(),
                                           SurfaceResources{"<html></html>"}};
};

TEST_F(BillingTest, ChoosingAPlanOpensTheBillingPageInANamedTab) {
  EXPECT_EQ(VelmoraRoute::pricing().url(kOrigin),
            "https://ondi.example/agent.html?source=mac_app&surface=billing");
  EXPECT_EQ(billingURL(kOrigin, "free"), VelmoraRoute::pricing().url(kOrigin));
  EXPECT_EQ(billingURL(kOrigin, "a b&c", "site"),
            "https://ondi.example/agent.html?source=site&surface=billing&plan=a%20b%26c");

  model->billing().choosePlan(plan("free"));
  model->billing().choosePlan(plan("plus"));
  const auto& tabs = model->tabs.sessions();
  ASSERT_GE(tabs.size(), 2u);
  const BrowserTabSession& free = tabs[tabs.size() - 2];
  const BrowserTabSession& starter = tabs.back();
  EXPECT_EQ(free.requestedURL, "https://ondi.example/agent.html?source=mac_app&surface=billing");
  EXPECT_EQ(free.fallbackTitle, "Ondi Free");
  EXPECT_EQ(starter.requestedURL,
            "https://ondi.example/agent.html?source=mac_app&surface=billing&plan=plus");
  EXPECT_EQ(starter.fallbackTitle, "Ondi Starter");
  EXPECT_EQ(model->navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());

  // Under a service the environment names, the plan's page is on that service too.
  platform.environment.values["VELMORA_API_BASE_URL"] = "http://127.0.0.1:8787/api";
  model->billing().choosePlan(plan("plus"));
  EXPECT_EQ(model->tabs.sessions().back().requestedURL,
            "http://127.0.0.1:8787/agent.html?source=mac_app&surface=billing&plan=plus");
}

TEST_F(BillingTest, TheSectionIsKeptButTheBillingRouteOpensOnPlans) {
  EXPECT_EQ(model->billing().selectedSection().get(), BillingSection::plans);
  model->billing().select(BillingSection::agentPayment);
  EXPECT_EQ(platform.settings.stringValue(kBillingSectionKey), "agentPayment");

  model.emplace(kOrigin, platform.services(), SurfaceResources{"<html></html>"});
  EXPECT_EQ(model->billing().selectedSection().get(), BillingSection::agentPayment);
  model->load(VelmoraRoute::pricing());
  EXPECT_EQ(model->billing().selectedSection().get(), BillingSection::plans);
  EXPECT_EQ(platform.settings.stringValue(kBillingSectionKey), "plans");

  platform.settings.setString(kBillingSectionKey, "invoices");
  model.emplace(kOrigin, platform.services(), SurfaceResources{"<html></html>"});
  EXPECT_EQ(model->billing().selectedSection().get(), BillingSection::plans);
}

}  // namespace
}  // namespace ondi
