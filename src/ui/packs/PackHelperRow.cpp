#include "ui/packs/PackHelperRow.h"

#include <gtkmm/button.h>
#include <gtkmm/flowbox.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/packs/AgentPack.h"
#include "core/shell/SymbolIcons.h"
#include "core/util/Text.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::FlowBox& chipBox(const std::string& accessibleName) {
  auto* box = Gtk::make_managed<Gtk::FlowBox>();
  box->set_selection_mode(Gtk::SelectionMode::NONE);
  box->set_min_children_per_line(1);
  box->set_max_children_per_line(6);
  box->set_column_spacing(4);
  box->set_row_spacing(4);
  setAccessibleName(*box, accessibleName);
  return *box;
}

// The use button's symbol and word, kept whole however narrow the row.
Gtk::Widget& useContent() {
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName("play.fill"));
  hideFromAssistiveTechnology(*icon);
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  content->append(*icon);
  content->append(*Gtk::make_managed<Gtk::Label>("Use"));
  return *content;
}

std::string connectorSentence(const AgentPackConnector& connector) {
  return connector.name +
         (connector.status == "available" ? " is available" : " needs account setup");
}

}  // namespace

PackHelperRow::PackHelperRow(const AgentPackHelper& helper, Actions actions)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 8) {
  set_name("packs.helper." + helper.id);
  applyPanelStyle(*this, 12, false);

  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(helper.symbol));
  icon->set_pixel_size(20);
  icon->set_valign(Gtk::Align::START);
  icon->set_margin_top(2);
  hideFromAssistiveTechnology(*icon);

  auto* name = Gtk::make_managed<Gtk::Label>(helper.name);
  name->add_css_class("heading");
  name->set_xalign(0);
  name->set_wrap(true);
  auto* status = Gtk::make_managed<Gtk::Label>(helper.status);
  status->add_css_class("packs-badge");
  status->set_visible(!helper.status.empty());
  auto* nameLine = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  nameLine->append(*name);
  nameLine->append(*status);
  auto* role = Gtk::make_managed<Gtk::Label>(helper.role);
  role->add_css_class("dim-label");
  role->set_xalign(0);
  role->set_wrap(true);
  role->set_max_width_chars(1);  // wraps to the row's width
  role->set_hexpand(true);
  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_hexpand(true);
  text->append(*nameLine);
  text->append(*role);

  auto* use = Gtk::make_managed<Gtk::Button>();
  use->set_name("packs.helper." + helper.id + ".use");
  use->set_child(useContent());
  const std::string useSentence = "Use the " + helper.name + " helper in this pack workspace";
  setAccessibleName(*use, useSentence);
  use->set_tooltip_text(useSentence);
  use->set_valign(Gtk::Align::START);
  use->signal_clicked().connect(std::move(actions.use));

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  header->append(*icon);
  header->append(*text);
  header->append(*use);
  append(*header);

  Gtk::FlowBox& steps = chipBox(helper.name + " steps");
  for (std::size_t index = 0; index < helper.steps.size(); ++index) {
    auto* step =
        Gtk::make_managed<Gtk::Label>(std::to_string(index + 1) + "  " + helper.steps[index]);
    step->add_css_class("packs-step");
    step->set_halign(Gtk::Align::START);
    appendNamed(steps, *step, helper.steps[index]);
  }
  append(steps);

  Gtk::FlowBox& chips = chipBox(helper.name + " connected apps");
  for (const AgentPackConnector& connector : helper.connectors) {
    auto* chip = Gtk::make_managed<Gtk::Button>();
    chip->set_name("packs.helper." + helper.id + ".connector." + lowercased(connector.name));
    setIconAndLabel(*chip, connector.symbol, connector.name);
    const std::string sentence = connectorSentence(connector);
    setAccessibleName(*chip, sentence);
    chip->set_tooltip_text(sentence);
    chip->add_css_class("packs-chip");
    chip->set_halign(Gtk::Align::START);
    if (connector.status != "available") chip->add_css_class("needs-setup");
    chip->signal_clicked().connect(actions.openConnectors);
    appendNamed(chips, *chip, sentence);
  }
  append(chips);
}

}  // namespace ondi::ui
