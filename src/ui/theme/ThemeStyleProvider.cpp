#include "ui/theme/ThemeStyleProvider.h"

#include <gdkmm/display.h>
#include <gtkmm/stylecontext.h>

#include "ui/theme/ThemeStylesheet.h"

namespace ondi::ui {
namespace {
// Above the screens' own style sheets, so that the palette wins where both set a colour.
constexpr unsigned kPriority = GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1;
}  // namespace

ThemeStyleProvider::ThemeStyleProvider(AccountState& account)
    : provider_(Gtk::CssProvider::create()) {
  show(account.desktopPreferences.get());
  if (auto display = Gdk::Display::get_default()) {
    Gtk::StyleContext::add_provider_for_display(display, provider_, kPriority);
  }
  connections_.add(account.desktopPreferences.changed().connect(
      [this](const DesktopAccountPreferences& preferences) { show(preferences); }));
}

ThemeStyleProvider::~ThemeStyleProvider() {
  if (auto display = Gdk::Display::get_default()) {
    Gtk::StyleContext::remove_provider_for_display(display, provider_);
  }
}

void ThemeStyleProvider::show(const DesktopAccountPreferences& preferences) {
  const VelmoraTheme theme =
      themeFromRawValue(preferences.interfaceStyle).value_or(VelmoraTheme::washiStudio);
  if (theme_ == theme) return;
  theme_ = theme;
  provider_->load_from_data(themeStylesheet(theme));
}

}  // namespace ondi::ui
