#include "ui/shell/StudioLayout.h"

#include "core/account/ConversationThreadController.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/shell/ShellController.h"
#include "core/theme/VelmoraTheme.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/IconLabel.h"
#include "ui/shell/StudioColumnsLayout.h"

namespace ondi::ui {

StudioLayout::StudioLayout(DesktopBrowserModel& model, Gtk::Widget& content, VelmoraTheme theme)
    : ShellLayout(content, Gtk::Orientation::HORIZONTAL),
      model_(model),
      sidebar_(model.shell(), model.navigation, model.conversationThreads(), model.packBrowser(),
               model.agentPrompts()),
      modelPicker_(model.account.selectedModelProvider),
      badge_(theme),
      inspector_(model, theme) {
  set_name("shell.studio");

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  header->set_name("shell.header");
  header->add_css_class("ondi-shell-header");
  styleIconButton(sidebarSwitch_, "shell.sidebar-toggle", "sidebar.left", "Show sidebar",
                  "Sidebar");
  sidebarSwitch_.signal_toggled().connect(
      [this] { model_.shell().sidebarVisible.set(sidebarSwitch_.get_active()); });
  header->append(sidebarSwitch_);
  title_.set_name("shell.header.title");
  title_.add_css_class("heading");
  title_.set_xalign(0);
  title_.set_hexpand(true);
  title_.set_ellipsize(Pango::EllipsizeMode::END);
  header->append(title_);
  header->append(modelPicker_);
  header->append(badge_);
  styleIconButton(inspectorSwitch_, "shell.inspector-toggle", "sidebar.right", "Show inspector",
                  "Inspector");
  inspectorSwitch_.signal_toggled().connect(
      [this] { model_.shell().setShowInspector(inspectorSwitch_.get_active()); });
  header->append(inspectorSwitch_);

  auto* main = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
  main->set_hexpand(true);
  main->append(*header);
  main->append(contentSlot());

  append(sidebar_);
  append(*main);
  append(inspector_);
  set_layout_manager(StudioColumnsLayout::create(sidebar_, *main, inspector_));

  const auto signal = [this](const auto&) { showSignal(); };
  connections_.add(model_.navigation.activeRoute.changed().connect(signal));
  connections_.add(model_.account.workspaceSessionState.changed().connect(signal));
  connections_.add(model_.shell().signals.voice.changed().connect(signal));
  connections_.add(model_.shell().signals.messaging.changed().connect(signal));
  connections_.add(model_.navigation.title.changed().connect(
      [this](const std::string& title) { title_.set_text(title); }));
  connections_.add(model_.shell().showInspector().changed().connect(
      [this](bool shown) { showInspector(shown); }));
  connections_.add(
      model_.shell().sidebarVisible.changed().connect([this](bool shown) { showSidebar(shown); }));
  title_.set_text(model_.navigation.title.get());
  showSignal();
  showInspector(model_.shell().showInspector().get());
  showSidebar(model_.shell().sidebarVisible.get());
}

void StudioLayout::showSignal() {
  const VelmoraRoute& route = model_.navigation.activeRoute.get();
  badge_.show(
      headerSignal({route, model_.account.workspaceSessionState.get(),
                    model_.packWorkspace().isPackWorkspaceActive(),
                    model_.shell().signals.voice.get(), model_.shell().signals.messaging.get()}));
}

void StudioLayout::showInspector(bool shown) {
  inspectorSwitch_.set_active(shown);
  inspector_.set_visible(shown);
}

void StudioLayout::showSidebar(bool shown) {
  sidebarSwitch_.set_active(shown);
  sidebar_.set_visible(shown);
}

}  // namespace ondi::ui
