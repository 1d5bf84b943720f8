#include "ui/settings/ModelRoutingSection.h"

#include <gtkmm/stringlist.h>

#include <algorithm>

#include "core/account/DesktopPreferencesController.h"
#include "core/packs/ModelProviderSelection.h"
#include "ui/app/AccessibleName.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {

namespace {

Glib::RefPtr<Gtk::StringList> providerTitles() {
  auto titles = Gtk::StringList::create({});
  for (const VelmoraModelProvider provider : kModelProviders) titles->append(menuTitle(provider));
  return titles;
}

}  // namespace

ModelRoutingSection::ModelRoutingSection(DesktopPreferencesController& preferences,
                                         ModelProviderSelection& modelProvider)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      modelProvider_(modelProvider),
      provider_(providerTitles()),
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
  auto* choice = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* label = Gtk::make_managed<Gtk::Label>("Default model");
  label->set_xalign(0);
  label->set_hexpand(true);
  provider_.set_name("model-routing.provider");
  nameDropDown(provider_, "Default model");
  provider_.property_selected().signal_changed().connect([this] {
    const auto index = provider_.get_selected();
    if (index < kModelProviders.size()) {
      modelProvider_.selectModelProvider(kModelProviders.at(index));
    }
  });
  choice->append(*label);
  choice->append(provider_);
  append(*choice);
  auto& heading = appendExplanation(*this, "Active selection");
  heading.remove_css_class("dim-label");
  heading.add_css_class("heading");
  activeSelection_.set_name("model-routing.active-selection");
  activeSelection_.set_xalign(0);
  activeSelection_.set_wrap(true);
  activeSelection_.set_max_width_chars(1);  // wraps to the section's width
  activeSelection_.add_css_class("dim-label");
  append(activeSelection_);
  bound_.content().append(handoff_);
  appendExplanation(bound_.content(),
                    "Hosted model credentials stay on Ondi's production backend; they are not "
                    "stored in this app.");
  append(bound_);
  connections_.add(preferences.state().desktopPreferences.changed().connect(
      [this](const auto&) { handoff_.showCurrent(); }));
  connections_.add(preferences.state().selectedModelProvider.changed().connect(
      [this](const auto&) { showProvider(); }));
  showProvider();
}

void ModelRoutingSection::showProvider() {
  const VelmoraModelProvider provider = modelProvider_.selected();
  const auto index = std::ranges::find(kModelProviders, provider) - kModelProviders.begin();
  provider_.set_selected(static_cast<guint>(index));
  activeSelection_.set_text(explanation(provider));
}

}  // namespace ondi::ui
