#include "ui/theme/ThemePicker.h"

#include "core/account/DesktopPreferencesController.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {

ThemePicker::ThemePicker(DesktopPreferencesController& preferences)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12), preferences_(preferences) {
  set_name("theme-picker");

  heading_.set_text("Theme");
  heading_.set_xalign(0);
  heading_.add_css_class("heading");
  append(heading_);

  applyPanelStyle(rows_, 8, false);
  for (std::size_t index = 0; index < kAllThemes.size(); ++index) {
    auto& [theme, choice] = choices_[index];
    theme = kAllThemes[index];
    if (index > 0) choice.set_group(choices_[0].second);
    rows_.append(row(theme, choice));
  }
  append(rows_);

  showCurrent();
  connections_.add(preferences_.state().desktopPreferences.changed().connect(
      [this](const DesktopAccountPreferences&) { showCurrent(); }));
}

Gtk::Widget& ThemePicker::row(VelmoraTheme theme, Gtk::CheckButton& choice) {
  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_margin_start(8);
  auto* name = Gtk::make_managed<Gtk::Label>(title(theme));
  name->set_xalign(0);
  name->add_css_class("heading");
  auto* detail = Gtk::make_managed<Gtk::Label>(description(theme));
  detail->set_xalign(0);
  detail->set_wrap(true);
  detail->add_css_class("dim-label");
  text->append(*name);
  text->append(*detail);

  choice.set_name("theme-picker." + rawValue(theme));
  choice.set_child(*text);
  nameAfterLabel(choice, *name);
  choice.signal_toggled().connect([this, theme, &choice] {
    if (showing_ || !choice.get_active()) return;
    preferences_.update([theme](DesktopAccountPreferences& preferences) {
      preferences.interfaceStyle = rawValue(theme);
    });
  });
  return choice;
}

void ThemePicker::showCurrent() {
  const VelmoraTheme current =
      themeFromRawValue(preferences_.state().desktopPreferences.get().interfaceStyle)
          .value_or(VelmoraTheme::washiStudio);
  showing_ = true;
  for (auto& [theme, choice] : choices_) {
    if (theme == current) choice.set_active(true);
  }
  showing_ = false;
}

}  // namespace ondi::ui
