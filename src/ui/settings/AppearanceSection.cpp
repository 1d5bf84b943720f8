#include "ui/settings/AppearanceSection.h"

#include "ui/settings/SettingsText.h"

namespace ondi::ui {

AppearanceSection::AppearanceSection(DesktopPreferencesController& preferences)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12), picker_(preferences) {
  set_name("appearance-section");
  appendSectionHeading(*this, "Appearance");
  append(picker_);
  appendExplanation(*this,
                    "Themes apply immediately on this computer. Unified Workspace is saved "
                    "locally; other themes sync to your Ondi account when signed in.");
}

}  // namespace ondi::ui
