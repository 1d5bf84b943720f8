#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <gtkmm/adjustment.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/spinbutton.h>
#include <gtkmm/switch.h>
#include <gtkmm/togglebutton.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ApplicationTest.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "core/billing/BillingController.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/payments/AgentPaymentStore.h"
#include "ui/app/MainWindow.h"

using namespace ondi;
namespace fs = std::filesystem;

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string read(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The user's web browser for this test program: a script that writes the addresses it is given
// to a file. GLib reads the XDG folders once per process, so they are set up once, before the
// application asks for them.
class UserBrowser {
 public:
  static UserBrowser& shared() {
    static UserBrowser browser;
    return browser;
  }
  fs::path record() const { return folder_.path() / "browser-record"; }

 private:
  UserBrowser() {
    const fs::path script = folder_.path() / "bin" / "web-browser";
    fs::create_directories(script.parent_path());
    std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << record().string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    fs::create_directories(folder_.path() / "data" / "applications");
    std::ofstream(folder_.path() / "data" / "applications" / "web-browser.desktop")
        << "[Desktop Entry]\nType=Application\nName=Web Browser\nExec=" << script.string()
        << " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n";
    fs::create_directories(folder_.path() / "config");
    std::ofstream(folder_.path() / "config" / "mimeapps.list")
        << "[Default Applications]\nx-scheme-handler/http=web-browser.desktop\n"
           "x-scheme-handler/https=web-browser.desktop\n";
    g_setenv("XDG_DATA_HOME", (folder_.path() / "data").c_str(), TRUE);
    g_setenv("XDG_CONFIG_HOME", (folder_.path() / "config").c_str(), TRUE);
  }

  TemporaryDirectory folder_;
};

std::string text(Gtk::Widget& root, const std::string& name) {
  auto* label = findNamed<Gtk::Label>(root, name);
  return label ? label->get_text().raw() : "<no label " + name + ">";
}

// The application against a real ondi-server that stands in for the card issuer.
class AgentPaymentScreenTest : public ApplicationTest {
 protected:
  explicit AgentPaymentScreenTest(std::vector<std::string> serverArguments = {"--test-routes"})
      : record(UserBrowser::shared().record()), server({std::move(serverArguments)}) {
    fs::remove(record);
    g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE);
  }

  // Signs up and opens Billing on its Agent Payment section; the screen refreshes on appearing.
  Gtk::Widget& openAgentPayment(ui::OndiApplication& application, DesktopBrowserModel& model) {
    EXPECT_TRUE(signUp(model));
    model.load(VelmoraRoute::pricing());
    model.billing().select(BillingSection::agentPayment);
    Gtk::Widget* screen = findNamed(*application.mainWindow(), "billing.agent-payment");
    EXPECT_TRUE(screen && isShown(*screen));
    return *screen;
  }

  static bool settledIn(const AgentPaymentStore& store, AgentPaymentSetupState state) {
    return waitUntil(
        [&] { return !store.isRefreshing.get() && store.account.get().setupState == state; });
  }

  fs::path record;
  OndiServerProcess server;
};

TEST_F(AgentPaymentScreenTest, SetsUpFundsSavesAPolicyAndSeesCreditSettle) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Widget& screen = openAgentPayment(application, model);
    AgentPaymentStore& store = model.agentPayments();
    ASSERT_TRUE(settledIn(store, AgentPaymentSetupState::setupRequired));
    auto& setUp = *findNamed<Gtk::Button>(screen, "payments.setup.start");
    auto& refresh = *findNamed<Gtk::Button>(screen, "payments.refresh");
    auto& addCredit = *findNamed<Gtk::Button>(screen, "payments.add-credit");
    EXPECT_EQ(text(screen, "payments.funding.state"), "SETUP REQUIRED");
    EXPECT_EQ(setUp.get_label(), "Set Up with Stripe");
    EXPECT_FALSE(addCredit.get_sensitive());
    EXPECT_EQ(text(screen, "payments.summary.state"), "PAUSED");
    screenshot("agent-payment-setup-required");

    // Onboarding opens in the user's own browser through a one-time link.
    click(setUp);
    ASSERT_TRUE(waitUntil([&] { return !read(record).empty(); }));
    const std::string link = read(record);
    EXPECT_THAT(link, StartsWith(server.baseURL() + "/agent-payments/onboarding?link="));
    EXPECT_EQ(text(screen, "payments.message.text"),
              "Continue in Stripe's secure onboarding page, then return here and refresh.");
    click(refresh);
    EXPECT_EQ(text(screen, "payments.funding.state"), "CHECKING");
    ASSERT_TRUE(settledIn(store, AgentPaymentSetupState::onboardingRequired));
    EXPECT_EQ(setUp.get_label(), "Continue Stripe Onboarding");
    screenshot("agent-payment-onboarding");

    // The user completes the page in that browser, which has no session of the app's.
    const HttpTestClient browser(server.baseURL(), HttpTestClient::Cookies::ignore,
                                 HttpTestClient::Caller::page);
    const std::string path = link.substr(server.baseURL().size());
    EXPECT_THAT(browser.send("GET", path).body, HasSubstr("Verify and issue the card"));
    const std::string token = path.substr(path.find("link=") + 5);
    EXPECT_EQ(browser
                  .send("POST", "/api/agent-payments/onboarding", "link=" + token,
                        {{"Content-Type", "application/x-www-form-urlencoded"}})
                  .status,
              200u);
    click(refresh);
    ASSERT_TRUE(settledIn(store, AgentPaymentSetupState::ready));
    EXPECT_THAT(text(screen, "payments.funding.card"), StartsWith("Virtual card •••• "));
    EXPECT_EQ(setUp.get_sensitive(), false);
    EXPECT_TRUE(addCredit.get_sensitive());

    // A draft without categories cannot be saved, and says why.
    for (const char* category : {"advertising", "software", "supplies"}) {
      click(*findNamed(screen, std::string("payments.category.") + category));
    }
    auto& save = *findNamed<Gtk::Button>(screen, "payments.save");
    EXPECT_FALSE(save.get_sensitive());
    EXPECT_TRUE(findLabel(screen, "Allow at least one purchase category."));
    auto* scroller = screen.get_ancestor(GTK_TYPE_SCROLLED_WINDOW);
    auto adjustment = dynamic_cast<Gtk::ScrolledWindow&>(*scroller).get_vadjustment();
    adjustment->set_value(adjustment->get_upper());
    screenshot("agent-payment-limits");
    click(*findNamed(screen, "payments.category.travel"));
    findNamed<Gtk::SpinButton>(screen, "payments.limit.monthly.value")->set_value(800);
    findNamed<Gtk::Switch>(screen, "payments.paused")->set_active(false);
    EXPECT_THAT(text(screen, "payments.policy-status"), StartsWith("Unsaved changes."));
    EXPECT_EQ(text(screen, "payments.summary.state"), "DRAFT");
    ASSERT_TRUE(save.get_sensitive());
    click(save);
    ASSERT_TRUE(waitUntil([&] { return store.savedPolicy.get().monthlyLimitCents == 80000; }));
    EXPECT_EQ(store.savedPolicy.get().allowedCategories, std::set{AgentPaymentCategory::travel});
    EXPECT_FALSE(store.savedPolicy.get().isPaused);
    EXPECT_EQ(text(screen, "payments.policy-status"),
              "Policy is synchronized server-side and mirrored to Stripe card controls.");

    // Credit is pending until the bank settles it, then available.
    ASSERT_TRUE(settledIn(store, AgentPaymentSetupState::ready));
    click(addCredit);
    EXPECT_EQ(addCredit.get_label(), "Adding Credit…");
    ASSERT_TRUE(waitUntil([&] { return store.account.get().pendingBalanceCents == 25000; }));
    EXPECT_THAT(text(screen, "payments.message.text"), StartsWith("Stripe accepted the bank"));
    EXPECT_THAT(text(screen, "payments.funding.detail"),
                HasSubstr("250 is pending bank settlement. Subscription billing remains "
                          "separate."));
    screenshot("agent-payment-ready-pending");

    const HttpTestClient service(server.baseURL());
    ASSERT_EQ(service.send("POST", "/api/test/clock", R"({"advanceSeconds": 3600})").status, 200u);
    click(refresh);
    ASSERT_TRUE(waitUntil([&] { return store.account.get().availableBalanceCents == 25000; }));
    EXPECT_EQ(store.account.get().recentTopups.front().status, "succeeded");
    EXPECT_EQ(text(screen, "payments.funding.detail"),
              "Available in the Stripe Issuing balance. Subscription billing remains separate.");
    screenshot("agent-payment-ready");
  });
}

class UnavailablePaymentScreenTest : public AgentPaymentScreenTest {
 protected:
  UnavailablePaymentScreenTest()
      : AgentPaymentScreenTest({"--test-routes", "--agent-payments", "unavailable"}) {}
};

TEST_F(UnavailablePaymentScreenTest, AServiceWithoutCardIssuingShowsNothingToSpend) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Widget& screen = openAgentPayment(application, model);
    // The screen starts out unavailable, so wait for the service's answer to its refresh.
    ASSERT_TRUE(waitUntil([&] {
      return !model.agentPayments().isRefreshing.get() &&
             server.standardError().find("/api/agent-payments/status") != std::string::npos;
    }));
    EXPECT_EQ(model.agentPayments().account.get(), AgentPaymentAccountSnapshot::unavailable());
    auto& setUp = *findNamed<Gtk::Button>(screen, "payments.setup.start");
    EXPECT_EQ(setUp.get_label(), "Stripe Setup Unavailable");
    EXPECT_FALSE(setUp.get_sensitive());
    EXPECT_EQ(text(screen, "payments.funding.state"), "UNAVAILABLE");
    EXPECT_FALSE(findNamed(screen, "payments.message")->get_visible());
    screenshot("agent-payment-unavailable");
  });
}

}  // namespace
