#include "ui/packs/PackAudienceSwitch.h"

#include "core/packs/PackBrowserSelection.h"
#include "ui/app/AccessibleName.h"
#include "ui/billing/BillingStyle.h"

namespace ondi::ui {
namespace {

constexpr AgentPackAudience kAudiences[] = {AgentPackAudience::business,
                                            AgentPackAudience::personal};

const char* title(AgentPackAudience audience) {
  return audience == AgentPackAudience::personal ? "Personal" : "Business";
}

const char* description(AgentPackAudience audience) {
  return audience == AgentPackAudience::personal ? "Focused helpers for daily life"
                                                 : "Industry-ready operator teams";
}

}  // namespace

PackAudienceSwitch::PackAudienceSwitch(PackBrowserSelection& selection)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 12), selection_(selection) {
  // The segmented control's chosen-segment colour.
  installBillingStyle();
  auto* segments = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL);
  segments->set_name("packs.audience");
  segments->add_css_class("linked");
  segments->add_css_class("ondi-segmented");
  segments->set_valign(Gtk::Align::CENTER);
  setAccessibleName(*segments, "Pack audience");
  for (std::size_t index = 0; index < segments_.size(); ++index) {
    const AgentPackAudience audience = kAudiences[index];
    Gtk::ToggleButton& segment = segments_[index];
    segment.set_name("packs.audience." + rawValue(audience));
    segment.set_label(title(audience));
    if (index > 0) segment.set_group(segments_[0]);
    segment.signal_toggled().connect([this, audience, &segment] {
      if (segment.get_active()) selection_.setAudience(audience);
    });
    segments->append(segment);
  }
  append(*segments);
  description_.set_name("packs.audience-description");
  description_.add_css_class("dim-label");
  description_.set_xalign(0);
  description_.set_wrap(true);
  description_.set_hexpand(true);
  append(description_);

  connections_.add(
      selection_.audience().changed().connect([this](AgentPackAudience) { showAudience(); }));
  showAudience();
}

void PackAudienceSwitch::showAudience() {
  const AgentPackAudience audience = selection_.audience().get();
  for (std::size_t index = 0; index < segments_.size(); ++index) {
    if (kAudiences[index] == audience) segments_[index].set_active(true);
  }
  description_.set_text(description(audience));
}

}  // namespace ondi::ui
