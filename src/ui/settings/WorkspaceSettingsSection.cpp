#include "ui/settings/WorkspaceSettingsSection.h"

#include "core/account/DesktopPreferencesController.h"
#include "core/shell/ShellController.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {

WorkspaceSettingsSection::WorkspaceSettingsSection(DesktopPreferencesController& preferences,
                                                   ShellController& shell)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      inspector_("workspace-settings.show-inspector", "Show inspector",
                 "Keep the live workspace column beside the studio.",
                 {[&shell] { return shell.showInspector().get(); },
                  [&shell](bool shown) { shell.setShowInspector(shown); }}),
      dailyBrief_("workspace-settings.daily-brief", "Daily command brief",
                  "Start each day with a short brief of requests, approvals, and activity.",
                  preferenceBinding(preferences, &DesktopAccountPreferences::dailyBriefEnabled)) {
  set_name("workspace-settings-section");
  appendSectionHeading(*this, "Workspace");
  append(inspector_);
  append(dailyBrief_);
  connections_.add(
      shell.showInspector().changed().connect([this](bool) { inspector_.showCurrent(); }));
  connections_.add(preferences.state().desktopPreferences.changed().connect(
      [this](const auto&) { dailyBrief_.showCurrent(); }));
}

}  // namespace ondi::ui
