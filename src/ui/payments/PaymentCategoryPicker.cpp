#include "ui/payments/PaymentCategoryPicker.h"

#include <gtkmm/flowbox.h>
#include <gtkmm/image.h>

#include "core/payments/AgentPaymentDisplay.h"
#include "core/payments/AgentPaymentStore.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

PaymentCategoryPicker::PaymentCategoryPicker(AgentPaymentStore& store)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 6), store_(store) {
  set_name("payments.categories");
  auto* heading = Gtk::make_managed<Gtk::Label>("Allowed categories");
  heading->set_xalign(0);
  heading->add_css_class("heading");
  append(*heading);

  auto* grid = Gtk::make_managed<Gtk::FlowBox>();
  grid->set_selection_mode(Gtk::SelectionMode::NONE);
  grid->set_homogeneous(true);
  grid->set_max_children_per_line(5);
  grid->set_column_spacing(8);
  grid->set_row_spacing(8);
  setAccessibleName(*grid, "Allowed categories");
  for (const AgentPaymentCategory category : kAgentPaymentCategories) {
    const std::string title = AgentPaymentDisplay::categoryTitle(category);
    auto* button = Gtk::make_managed<Gtk::ToggleButton>();
    button->set_name("payments.category." + nlohmann::json(category).get<std::string>());
    auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
    auto* icon = Gtk::make_managed<Gtk::Image>();
    icon->set_from_icon_name(iconName(AgentPaymentDisplay::categorySymbol(category)));
    hideFromAssistiveTechnology(*icon);
    content->append(*icon);
    content->append(*Gtk::make_managed<Gtk::Label>(title));
    auto* state = Gtk::make_managed<Gtk::Label>();
    state->add_css_class("dim-label");
    state->add_css_class("caption");
    content->append(*state);
    button->set_child(*content);
    setAccessibleName(*button, title);
    button->signal_toggled().connect([this, category, button] {
      if (showing_) return;
      const bool allowed = store_.draftPolicy.get().allowedCategories.contains(category);
      if (button->get_active() != allowed) store_.toggleCategory(category);
    });
    appendNamed(*grid, *button, title);
    choices_.push_back({category, button, state});
  }
  append(*grid);

  connections_.add(store_.draftPolicy.changed().connect([this](const auto&) { showDraft(); }));
  showDraft();
}

void PaymentCategoryPicker::showDraft() {
  showing_ = true;
  const auto& allowed = store_.draftPolicy.get().allowedCategories;
  for (const Choice& choice : choices_) {
    const bool isAllowed = allowed.contains(choice.category);
    choice.button->set_active(isAllowed);
    choice.state->set_text(isAllowed ? "Allowed" : "Blocked");
  }
  showing_ = false;
}

}  // namespace ondi::ui
