#include "ui/settings/SettingsWindow.h"

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/separator.h>

#include "core/account/AgentInstructionsController.h"
#include "core/account/AuthenticationController.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/packs/ModelProviderSelection.h"
#include "core/phone/AgentPhoneController.h"
#include "core/shell/ShellController.h"
#include "core/voice/MicrophoneConsent.h"
#include "ui/account/AgentInstructionsSection.h"
#include "ui/app/AccessibleName.h"
#include "ui/assist/OpenAISettingsSection.h"
#include "ui/phone/AgentPhoneSettingsSection.h"
#include "ui/settings/AccountSection.h"
#include "ui/settings/AppearanceSection.h"
#include "ui/settings/ApprovalGatesSection.h"
#include "ui/settings/ConversationHistorySection.h"
#include "ui/settings/ModelRoutingSection.h"
#include "ui/settings/PrivacySection.h"
#include "ui/settings/WorkspaceSettingsSection.h"

namespace ondi::ui {
namespace {
constexpr int kFormWidth = 640;
}

SettingsWindow::SettingsWindow(DesktopBrowserModel& model) {
  set_name("settingsWindow");
  set_title("Settings");
  set_default_size(720, 640);
  set_hide_on_close(true);

  auto* form = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 24);
  form->set_name("settings.sections");
  form->set_margin(32);
  form->set_size_request(kFormWidth - 64, -1);
  form->set_halign(Gtk::Align::CENTER);
  auto* title = Gtk::make_managed<Gtk::Label>("Settings");
  title->set_xalign(0);
  title->add_css_class("title-1");
  form->append(*title);

  Gtk::Widget* const sections[] = {
      Gtk::make_managed<AccountSection>(model.authentication(), model.session()),
      Gtk::make_managed<ConversationHistorySection>(model.account),
      Gtk::make_managed<AgentInstructionsSection>(model.agentInstructions()),
      Gtk::make_managed<AgentPhoneSettingsSection>(
          model.agentPhone(), [&model](const std::string& url) { model.openSecureURL(url); }),
      Gtk::make_managed<ModelRoutingSection>(model.preferences(), model.modelProvider()),
      Gtk::make_managed<OpenAISettingsSection>(model.preferences(), model.openAIKeychain()),
      Gtk::make_managed<AppearanceSection>(model.preferences()),
      Gtk::make_managed<WorkspaceSettingsSection>(model.preferences(), model.shell()),
      Gtk::make_managed<ApprovalGatesSection>(model.preferences()),
      Gtk::make_managed<PrivacySection>(model.microphoneConsent()),
  };
  for (Gtk::Widget* section : sections) {
    if (section != sections[0]) form->append(*Gtk::make_managed<Gtk::Separator>());
    form->append(*section);
  }

  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_child(*form);
  nameScrollBars(*scroller, "Settings");
  set_child(*scroller);
}

}  // namespace ondi::ui
