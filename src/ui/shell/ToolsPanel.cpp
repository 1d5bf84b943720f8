#include "ui/shell/ToolsPanel.h"

#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/shell/WorkspaceTools.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/home/DetailButton.h"

namespace ondi::ui {
namespace {
constexpr int kPanelWidth = 280;
}  // namespace

ToolsPanel::ToolsPanel(DesktopBrowserModel& model) : Gtk::Box(Gtk::Orientation::VERTICAL, 8) {
  set_name("unified.tools-panel");
  add_css_class("ondi-inspector");
  set_size_request(kPanelWidth, -1);
  set_hexpand(false);

  auto* heading = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  heading->set_margin_start(16);
  heading->set_margin_end(8);
  heading->set_margin_top(12);
  auto* title = Gtk::make_managed<Gtk::Label>("Your workspace capabilities");
  title->add_css_class("heading");
  title->set_xalign(0);
  title->set_wrap(true);
  title->set_hexpand(true);
  heading->append(*title);
  styleIconButton(close_, "unified.tools-panel.close", "xmark", "Close tools");
  close_.set_valign(Gtk::Align::START);
  heading->append(close_);
  append(*heading);

  auto* rows = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  rows->set_margin_start(8);
  rows->set_margin_end(8);
  rows->set_margin_bottom(12);
  for (const WorkspaceTool& tool : workspaceTools()) {
    auto* row =
        Gtk::make_managed<DetailButton>(tool.identifier, tool.symbol, tool.title, tool.detail);
    row->signal_clicked().connect([&model, &tool] {
      if (tool.route) {
        model.load(*tool.route);
      } else {
        model.agentPrompts().prepareAgentPrompt(tool.prompt, std::nullopt);
      }
    });
    rows->append(*row);
  }
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(*rows);
  nameScrollBars(*scroller, "Tools");
  append(*scroller);
}

}  // namespace ondi::ui
