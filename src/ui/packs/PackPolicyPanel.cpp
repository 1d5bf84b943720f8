#include "ui/packs/PackPolicyPanel.h"

#include <gtkmm/image.h>

#include "core/packs/PackBrowserSelection.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

struct PolicyRule {
  const char* symbol;
  const char* title;
  const char* text;
};

constexpr PolicyRule kPolicyRules[] = {
    {"shippingbox.fill", "Context package",
     "Helpers share only the pack context needed for the selected workflow."},
    {"hand.raised.fill", "Approval first",
     "Sends, publishes, purchases, account changes, and sensitive actions stay paused."},
    {"eye", "Clear handoff",
     "The main operator shows what each helper produced before work continues."},
};

Gtk::Label& wrapped(Gtk::Label& label) {
  label.set_xalign(0);
  label.set_wrap(true);
  label.set_max_width_chars(1);  // wraps to the panel's width
  label.set_hexpand(true);
  return label;
}

Gtk::Widget& ruleRow(const PolicyRule& rule) {
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(rule.symbol));
  icon->set_valign(Gtk::Align::START);
  icon->set_margin_top(2);
  hideFromAssistiveTechnology(*icon);
  auto* title = Gtk::make_managed<Gtk::Label>(rule.title);
  title->add_css_class("heading");
  title->set_xalign(0);
  auto& text = wrapped(*Gtk::make_managed<Gtk::Label>(rule.text));
  text.add_css_class("dim-label");
  auto* lines = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  lines->append(*title);
  lines->append(text);
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  row->append(*icon);
  row->append(*lines);
  return *row;
}

}  // namespace

PackPolicyPanel::PackPolicyPanel(PackBrowserSelection& selection)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12), selection_(selection) {
  set_name("packs.approval");
  applyPanelStyle(*this, 12, false);

  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName("checkmark.shield.fill"));
  icon->set_pixel_size(20);
  icon->set_valign(Gtk::Align::START);
  icon->set_margin_top(2);
  hideFromAssistiveTechnology(*icon);
  title_.add_css_class("heading");
  title_.set_xalign(0);
  title_.set_wrap(true);
  wrapped(detail_).add_css_class("dim-label");
  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_hexpand(true);
  text->append(title_);
  text->append(detail_);
  toggle_.set_name("packs.review-policy");
  toggle_.set_valign(Gtk::Align::START);
  toggle_.signal_clicked().connect(
      [this] { selection_.setPolicyExpanded(!selection_.isPolicyExpanded().get()); });
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  header->append(*icon);
  header->append(*text);
  header->append(toggle_);
  append(*header);

  auto* rules = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  rules->set_name("packs.policy");
  rules->set_margin_start(32);
  for (const PolicyRule& rule : kPolicyRules) rules->append(ruleRow(rule));
  rules_.set_child(*rules);
  rules_.set_transition_type(Gtk::RevealerTransitionType::SLIDE_DOWN);
  rules_.set_transition_duration(160);
  append(rules_);

  connections_.add(
      selection_.isPolicyExpanded().changed().connect([this](bool) { showExpanded(); }));
  showExpanded();
}

void PackPolicyPanel::show(const std::string& title, const std::string& detail) {
  title_.set_text(title);
  detail_.set_text(detail);
}

void PackPolicyPanel::showExpanded() {
  const bool expanded = selection_.isPolicyExpanded().get();
  toggle_.set_label(expanded ? "Hide policy" : "Review policy");
  rules_.set_reveal_child(expanded);
}

}  // namespace ondi::ui
