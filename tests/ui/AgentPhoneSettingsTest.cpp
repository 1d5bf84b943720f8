#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <gtkmm/adjustment.h>
#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/passwordentry.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/switch.h>
#include <gtkmm/textview.h>

#include <algorithm>
#include <cmath>

#include "ApplicationTest.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "core/phone/AgentPhoneController.h"

using namespace ondi;

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* kAccountSid = "AC0123456789abcdef0123456789abcdef";
constexpr const char* kToken = "0123456789abcdef0123456789abcdef";

Gtk::Window* toplevel(const std::string& name) {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    if (window->get_name().raw() == name) return window;
  }
  return nullptr;
}

// The toplevel named `name` once it is shown.
Gtk::Window& shownWindow(const std::string& name) {
  EXPECT_TRUE(waitUntil([&] {
    Gtk::Window* window = toplevel(name);
    return window && window->get_visible();
  })) << name;
  return *toplevel(name);
}

std::string text(Gtk::Widget& root, const std::string& name) {
  auto* label = findNamed<Gtk::Label>(root, name);
  return label ? label->get_text().raw() : "<no label " + name + ">";
}

template <typename Field>
void type(Gtk::Widget& root, const std::string& name, const std::string& value) {
  auto* field = findNamed<Field>(root, name);
  ASSERT_NE(field, nullptr) << name;
  if constexpr (std::is_same_v<Field, Gtk::TextView>) {
    field->get_buffer()->set_text(value);
  } else {
    field->set_text(value);
  }
}

// Scrolls the settings form so that `section` is at the top of the window (as far as the form
// goes), once it is laid out and for as long as the window keeps its focus in view.
void scrollTo(Gtk::Widget& section) {
  auto& scroller =
      dynamic_cast<Gtk::ScrolledWindow&>(*section.get_ancestor(GTK_TYPE_SCROLLED_WINDOW));
  auto adjustment = scroller.get_vadjustment();
  EXPECT_TRUE(waitUntil([&] {
    double x = 0;
    double y = 0;
    if (!section.translate_coordinates(*scroller.get_child(), 0, 0, x, y)) return false;
    const double target = std::min(y, adjustment->get_upper() - adjustment->get_page_size());
    adjustment->set_value(target);
    return waitForPaint() && std::abs(adjustment->get_value() - target) < 1 && target > 0;
  }));
}

// The settings window against a real ondi-server standing in for Twilio.
class AgentPhoneSettingsTest : public ApplicationTest {
 protected:
  AgentPhoneSettingsTest() { g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE); }

  OndiServerProcess server{{{"--test-routes"}}};
};

TEST_F(AgentPhoneSettingsTest, ConnectsReroutesCallsAndDisconnectsANumber) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    AgentPhoneController& phone = model.agentPhone();
    Gtk::Window& settings = application.settingsWindow();
    settings.set_default_size(720, 900);
    settings.present();
    Gtk::Widget& section = *findNamed(settings, "agent-phone-section");
    EXPECT_TRUE(findLabel(section, "Agent phone"));
    EXPECT_TRUE(isShown(*findNamed(section, "phone.sign-in")));
    EXPECT_EQ(text(section, "phone.sign-in"), "Sign in to connect a phone number to an agent.");

    // Signing in loads the phone: nothing is connected yet.
    ASSERT_TRUE(signUp(model));
    ASSERT_TRUE(waitUntil([&] { return phone.agentPhoneState.get().loaded; }));
    Gtk::Widget& empty = *findNamed(section, "phone.empty");
    EXPECT_TRUE(isShown(empty));
    EXPECT_FALSE(isShown(*findNamed(section, "phone.line")));
    EXPECT_EQ(text(section, "phone.empty.readiness.title"), "Voice backend ready");
    scrollTo(section);
    screenshot("agent-phone-empty");

    // Connecting: the sheet asks for the Twilio credentials and the routing.
    click(*findNamed(section, "phone.connect"));
    Gtk::Window& sheet = shownWindow("phone.setup");
    EXPECT_EQ(text(sheet, "phone.setup.title"), "Connect a Twilio number");
    auto& save = *findNamed<Gtk::Button>(sheet, "phone.setup.save");
    type<Gtk::Entry>(sheet, "phone.setup.account-sid", kAccountSid);
    type<Gtk::PasswordEntry>(sheet, "phone.setup.auth-token", std::string(kToken).substr(1));
    type<Gtk::Entry>(sheet, "phone.setup.phone-number", "+14155550101");
    type<Gtk::Entry>(sheet, "phone.setup.label", "Customer line");
    findNamed<Gtk::Switch>(sheet, "phone.setup.outbound")->set_active(true);
    type<Gtk::TextView>(sheet, "phone.setup.callers", "+14155550111, +14155550112\n\n");
    EXPECT_FALSE(save.get_sensitive());
    type<Gtk::PasswordEntry>(sheet, "phone.setup.auth-token", kToken);
    // A refresh of the phone that a session check starts holds the button until it answers.
    ASSERT_TRUE(waitUntil([&] { return save.get_sensitive(); }));
    screenshot("agent-phone-setup");
    click(save);
    EXPECT_EQ(findNamed<Gtk::PasswordEntry>(sheet, "phone.setup.auth-token")->get_text(), "");
    EXPECT_FALSE(findNamed(section, "phone.connect")->get_sensitive());
    ASSERT_TRUE(waitUntil([&] { return phone.agentPhoneState.get().line.has_value(); }));
    EXPECT_TRUE(waitUntil([&] { return !sheet.get_visible(); }));
    const AgentPhoneLine line = *phone.agentPhoneState.get().line;
    EXPECT_EQ(line.allowedInboundCallers,
              (std::vector<std::string>{"+14155550111", "+14155550112"}));
    Gtk::Widget& card = *findNamed(section, "phone.line");
    EXPECT_TRUE(isShown(card));
    EXPECT_EQ(text(card, "phone.line.label"), "Customer line");
    EXPECT_EQ(text(card, "phone.line.number"), line.maskedPhoneNumber);
    EXPECT_THAT(line.maskedPhoneNumber, Not(HasSubstr("555")));
    EXPECT_EQ(text(card, "phone.line.status"), "Active");
    EXPECT_EQ(text(card, "phone.calls.empty"),
              "No calls yet. Inbound and outbound calls will appear here after Twilio sends a "
              "receipt.");

    // Editing the routing shows the number, asks for no credentials and keeps the callers.
    click(*findNamed(card, "phone.edit"));
    shownWindow("phone.setup");
    EXPECT_EQ(text(sheet, "phone.setup.title"), "Edit agent phone");
    EXPECT_FALSE(isShown(*findNamed(sheet, "phone.setup.credentials")));
    EXPECT_EQ(text(sheet, "phone.setup.number"), line.maskedPhoneNumber);
    EXPECT_EQ(findNamed<Gtk::TextView>(sheet, "phone.setup.callers")->get_buffer()->get_text(),
              "+14155550111\n+14155550112");
    type<Gtk::Entry>(sheet, "phone.setup.label", "Support line");
    ASSERT_TRUE(waitUntil([&] { return save.get_sensitive(); }));
    click(save);
    ASSERT_TRUE(waitUntil([&] { return text(card, "phone.line.label") == "Support line"; }));
    EXPECT_FALSE(sheet.get_visible());

    // A call is placed only after its confirmation, and then appears in the history.
    click(*findNamed(card, "phone.place-call"));
    Gtk::Window& outbound = shownWindow("phone.outbound");
    auto& review = *findNamed<Gtk::Button>(outbound, "phone.outbound.review");
    EXPECT_FALSE(review.get_sensitive());
    type<Gtk::Entry>(outbound, "phone.outbound.destination", " +14155550123 ");
    type<Gtk::TextView>(outbound, "phone.outbound.purpose", "Confirm tomorrow's delivery window.");
    click(review);
    Gtk::Window& confirmation = shownWindow("phone.outbound.confirmation");
    EXPECT_EQ(text(confirmation, "phone.outbound.confirmation.message"),
              line.agentName + " will call +14155550123.");
    EXPECT_TRUE(phone.agentPhoneState.get().calls.empty());
    screenshot("agent-phone-outbound-confirmation");
    click(*findNamed(confirmation, "phone.outbound.confirmation.confirm"));
    ASSERT_TRUE(waitUntil([&] { return phone.agentPhoneState.get().calls.size() == 1; }));
    EXPECT_TRUE(waitUntil([&] { return !outbound.get_visible(); }));
    const std::string callID = phone.agentPhoneState.get().calls.front().id;
    EXPECT_EQ(phone.agentPhoneState.get().calls.front().purpose,
              "Confirm tomorrow's delivery window.");

    // The call completes by the service's clock and the refreshed row says so.
    const HttpTestClient service(server.baseURL());
    ASSERT_EQ(service.send("POST", "/api/test/clock", R"({"advanceSeconds": 120})").status, 200u);
    click(*findNamed(card, "phone.line.refresh"));
    ASSERT_TRUE(
        waitUntil([&] { return phone.agentPhoneState.get().calls.front().status == "completed"; }));
    Gtk::Widget& row = *findNamed(card, "phone.call." + callID);
    EXPECT_EQ(text(row, "phone.call.status"), "completed");
    EXPECT_NE(text(row, "phone.call.time"), "Recently");
    scrollTo(section);
    screenshot("agent-phone-connected");

    // Disconnecting asks first, then shows the empty state again.
    click(*findNamed(card, "phone.disconnect"));
    Gtk::Window& question = shownWindow("phone.disconnect-confirmation");
    click(*findNamed(question, "phone.disconnect-confirmation.confirm"));
    ASSERT_TRUE(waitUntil([&] { return !phone.agentPhoneState.get().line; }));
    EXPECT_TRUE(isShown(empty));
    EXPECT_EQ(phone.agentPhoneError.get(), "");
    EXPECT_THAT(server.standardError(), Not(HasSubstr(kToken)));
  });
}

}  // namespace
