#include "ui/skills/SkillCard.h"

#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Label& cardLabel(const std::string& name, const std::string& text, const char* cssClass) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_name(name);
  label->set_xalign(0);
  label->set_wrap(true);
  label->set_max_width_chars(1);  // wraps to the card's width
  label->set_hexpand(true);
  if (cssClass) label->add_css_class(cssClass);
  return *label;
}

}  // namespace

SkillCard::SkillCard(const VelmoraSkill& skill, std::function<void()> use)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12) {
  const std::string name = "skills.card." + skill.id;
  set_name(name);
  applyPanelStyle(*this, 14, false);
  set_size_request(232, -1);

  auto* symbol = Gtk::make_managed<Gtk::Image>();
  symbol->set_from_icon_name(iconName(skill.symbol));
  symbol->set_pixel_size(18);
  symbol->add_css_class("skill-symbol");
  symbol->set_valign(Gtk::Align::START);
  hideFromAssistiveTechnology(*symbol);
  auto* heading = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  heading->append(cardLabel(name + ".title", skill.title, "title-4"));
  Gtk::Label& team = cardLabel(name + ".team", skill.team, "skill-team");
  team.add_css_class("dim-label");
  heading->append(team);
  auto* top = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  top->append(*symbol);
  top->append(*heading);
  append(*top);

  append(cardLabel(name + ".detail", skill.detail, nullptr));
  auto* tools = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  tools->set_vexpand(true);
  tools->set_valign(Gtk::Align::END);
  Gtk::Label& toolsLabel = cardLabel(name + ".tools-label", "Preferred tools", "skill-fact-label");
  toolsLabel.add_css_class("dim-label");
  tools->append(toolsLabel);
  tools->append(cardLabel(name + ".tools", skill.tools, nullptr));
  append(*tools);

  auto* button = Gtk::make_managed<Gtk::Button>();
  button->set_name("skills.use." + skill.id);
  setIconAndLabel(*button, "paperplane", "Use in Agent");
  setAccessibleName(*button, "Use " + skill.title + " in Agent");
  button->set_tooltip_text("Place this skill's prompt in the agent's composer");
  button->set_halign(Gtk::Align::START);
  button->signal_clicked().connect(std::move(use));
  append(*button);
}

}  // namespace ondi::ui
