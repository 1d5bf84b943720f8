#include "ui/settings/ModelRoutingSection.h"

#include "core/account/DesktopPreferencesController.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {

ModelRoutingSection::ModelRoutingSection(DesktopPreferencesController& preferences)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      bound_(preferences.state(), "model-routing",
             "Sign in to choose how Ondi routes work between models."),
      handoff_(
          "model-routing.auto-handoff", "Automatic model handoff",
          "When Default model is Auto, Ondi can hand each task to the approved model that "
          "best fits the work while minimizing token use. Explicit model selections always "
          "stay fixed.",
          preferenceBinding(preferences, &DesktopAccountPreferences::autoModelHandoffEnabled)) {
  set_name("model-routing-section");
  appendSectionHeading(*this, "Model routing");
  bound_.content().append(handoff_);
  appendExplanation(bound_.content(),
                    "Hosted model credentials stay on Ondi's production backend; they are not "
                    "stored in this app.");
  append(bound_);
  connections_.add(preferences.state().desktopPreferences.changed().connect(
      [this](const auto&) { handoff_.showCurrent(); }));
}

}  // namespace ondi::ui
