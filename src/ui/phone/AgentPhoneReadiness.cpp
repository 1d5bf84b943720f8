#include "ui/phone/AgentPhoneReadiness.h"

#include "core/phone/AgentPhoneRecords.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

AgentPhoneReadiness::AgentPhoneReadiness(const std::string& name, std::string readyText)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 8), readyText_(std::move(readyText)) {
  set_name(name);
  icon_.set_valign(Gtk::Align::START);
  hideFromAssistiveTechnology(icon_);
  append(icon_);
  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  title_.set_name(name + ".title");
  title_.set_xalign(0);
  texts->append(title_);
  missing_.set_name(name + ".missing");
  missing_.set_xalign(0);
  missing_.set_wrap(true);
  missing_.set_max_width_chars(1);  // wraps to the row's width
  missing_.set_hexpand(true);
  missing_.add_css_class("caption");
  missing_.add_css_class("dim-label");
  texts->append(missing_);
  append(*texts);
}

void AgentPhoneReadiness::show(const AgentPhoneConfiguration& configuration) {
  icon_.set_from_icon_name(
      iconName(configuration.ready ? "checkmark.circle.fill" : "exclamationmark.triangle"));
  title_.set_text(configuration.ready ? readyText_ : "Voice backend setup required");
  std::string missing;
  for (const std::string& setting : configuration.missing) {
    missing += (missing.empty() ? "" : ", ") + setting;
  }
  missing_.set_text(missing);
  missing_.set_visible(!configuration.ready && !missing.empty());
}

}  // namespace ondi::ui
