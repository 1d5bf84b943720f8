#include "ui/app/CommandMenu.h"

#include <giomm/simpleaction.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/ModelProviderSelection.h"
#include "core/shell/ShellController.h"
#include "core/shell/SidebarEntries.h"
#include "ui/packs/ModelProviderPicker.h"

namespace ondi::ui {

CommandMenu::CommandMenu(Gtk::Application& application, DesktopBrowserModel& model)
    : application_(application), model_(model), menu_(Gio::Menu::create()) {
  addAction("open-agent-workspace", "<Control>n", [this] { model_.load(VelmoraRoute::agent()); });
  addAction("open-agent-packs", "<Control><Shift>p",
            [this] { model_.load(VelmoraRoute::agentPacks()); });
  addAction("open-messaging", "<Control><Shift>m",
            [this] { model_.load(VelmoraRoute::messaging()); });
  addAction("open-connectors", nullptr, [this] { model_.load(VelmoraRoute::connectors()); });
  addAction("open-browser", nullptr, [this] { model_.load(VelmoraRoute::browserWorkspace()); });
  addAction("open-voice", nullptr, [this] { model_.load(VelmoraRoute::voice()); });
  addAction("run-live-browser-demo", "<Control><Shift>d",
            [this] { model_.runLiveBrowserDemoRequested.emit(); });
  addAction("back", "<Control>bracketleft", [this] { model_.goBack(); });
  addAction("forward", "<Control>bracketright", [this] { model_.goForward(); });
  addAction("reload", "<Control>r", [this] { model_.reload(); });
  addAction("open-in-browser", "<Control><Shift>o", [this] { model_.openExternal(); });
  addAction("sign-out", nullptr, [this] { model_.signOutWorkspace(false); });
  addSidebarShortcuts();
  addModelProviderChoice();

  auto ondi = Gio::Menu::create();
  auto destinations = Gio::Menu::create();
  destinations->append("Open Agent Workspace", "app.open-agent-workspace");
  destinations->append("Open Agent Packs", "app.open-agent-packs");
  destinations->append("Open Messaging", "app.open-messaging");
  destinations->append("Open Connectors", "app.open-connectors");
  destinations->append("Open Browser", "app.open-browser");
  destinations->append("Open Voice", "app.open-voice");
  destinations->append("Run Live Browser Demo", "app.run-live-browser-demo");
  auto navigation = Gio::Menu::create();
  navigation->append("Back", "app.back");
  navigation->append("Forward", "app.forward");
  navigation->append("Reload", "app.reload");
  navigation->append("Open in Browser", "app.open-in-browser");
  ondi->append_section(destinations);
  ondi->append_section(navigation);
  menu_->append_submenu("Ondi", ondi);
  menu_->append_submenu("Model", modelProviderMenu());

  auto application_items = Gio::Menu::create();
  application_items->append("Settings", "app.settings");
  application_items->append("Sign Out", "app.sign-out");
  application_items->append("Quit", "app.quit");
  menu_->append_section(application_items);

  auto enable = [this](const char* name) {
    return [this, name](bool enabled) {
      auto action = std::dynamic_pointer_cast<Gio::SimpleAction>(application_.lookup_action(name));
      action->set_enabled(enabled);
    };
  };
  connections_.add(model_.navigation.canGoBack.changed().connect(enable("back")));
  connections_.add(model_.navigation.canGoForward.changed().connect(enable("forward")));
  connections_.add(model_.account.workspaceSessionState.changed().connect(
      [signOut = enable("sign-out")](const WorkspaceSessionState& state) {
        signOut(state.isAuthenticated());
      }));
  enable("back")(model_.navigation.canGoBack.get());
  enable("forward")(model_.navigation.canGoForward.get());
  enable("sign-out")(model_.account.workspaceSessionState.get().isAuthenticated());
}

void CommandMenu::addSidebarShortcuts() {
  application_.add_action_with_parameter(
      "select-sidebar-entry", Glib::VARIANT_TYPE_INT32, [this](const Glib::VariantBase& number) {
        const auto index = Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(number).get() - 1;
        const auto& entries = sidebarEntries();
        if (index >= 0 && index < static_cast<int>(entries.size())) {
          model_.shell().choose(entries[index]);
        }
      });
  for (std::size_t number = 1; number <= sidebarEntries().size(); ++number) {
    const std::string key = std::to_string(number);
    application_.set_accels_for_action("app.select-sidebar-entry(" + key + ")",
                                       {"<Control>" + key});
  }
}

void CommandMenu::addModelProviderChoice() {
  auto action = application_.add_action_radio_string(
      "model-provider",
      [this](const Glib::ustring& raw) {
        if (const auto provider = modelProviderFromRawValue(raw)) {
          model_.modelProvider().selectModelProvider(*provider);
        }
      },
      rawValue(model_.modelProvider().selected()));
  connections_.add(model_.account.selectedModelProvider.changed().connect(
      [action](VelmoraModelProvider provider) {
        action->change_state(Glib::ustring(rawValue(provider)));
      }));
}

void CommandMenu::addAction(const char* name, const char* accelerator,
                            std::function<void()> activate) {
  application_.add_action(name, std::move(activate));
  if (accelerator) {
    application_.set_accels_for_action(std::string("app.") + name, {accelerator});
  }
}

}  // namespace ondi::ui
