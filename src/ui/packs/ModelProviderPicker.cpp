#include "ui/packs/ModelProviderPicker.h"

#include <giomm/themedicon.h>
#include <gtkmm/box.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

Glib::RefPtr<Gio::Menu> modelProviderMenu() {
  auto menu = Gio::Menu::create();
  for (const VelmoraModelProvider provider : kModelProviders) {
    auto item =
        Gio::MenuItem::create(menuTitle(provider), "app.model-provider::" + rawValue(provider));
    item->set_icon(Gio::ThemedIcon::create(iconName(symbolName(provider))));
    menu->append_item(item);
  }
  return menu;
}

ModelProviderPicker::ModelProviderPicker(const Published<VelmoraModelProvider>& selected) {
  set_name("model-provider-picker");
  set_tooltip_text("Choose the model for new agent messages");
  set_has_frame(false);
  auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  hideFromAssistiveTechnology(symbol_);
  box->append(symbol_);
  box->append(title_);
  set_child(*box);
  set_always_show_arrow(true);
  set_menu_model(modelProviderMenu());
  connections_.add(selected.changed().connect(
      [this](VelmoraModelProvider provider) { showProvider(provider); }));
  showProvider(selected.get());
}

void ModelProviderPicker::showProvider(VelmoraModelProvider provider) {
  symbol_.set_from_icon_name(iconName(symbolName(provider)));
  title_.set_text(shortTitle(provider));
  setAccessibleName(*this, "Model: " + shortTitle(provider));
}

}  // namespace ondi::ui
