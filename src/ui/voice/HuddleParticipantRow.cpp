#include "ui/voice/HuddleParticipantRow.h"

#include <gtkmm/stringlist.h>

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {
namespace {

// The model choices in the order of the drop-down: the OpenAI family, then Anthropic's.
constexpr guint kOpenAIChoice = 0;
constexpr guint kAnthropicChoice = 1;

guint choiceOf(const HuddleParticipant& participant) {
  return participant.provider() == VelmoraModelProvider::anthropic ? kAnthropicChoice
                                                                   : kOpenAIChoice;
}

}  // namespace

HuddleParticipantRow::HuddleParticipantRow(HuddleController& huddle,
                                           const HuddleParticipant& participant)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 10), huddle_(huddle), id_(participant.id) {
  set_name("huddle.participant." + id_);
  add_css_class("ondi-huddle-participant");
  avatar_ = &huddleAvatar(participant.symbol, 16);
  append(*avatar_);

  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  texts->set_hexpand(true);
  texts->append(huddleLabel(participant.name, "heading", false));
  texts->append(huddleLabel(participant.role, "dim-label"));
  auto& voice = huddleLabel("Voice · " + participant.voice, "caption");
  voice.set_name("huddle.participant." + id_ + ".voice");
  texts->append(voice);
  append(*texts);

  auto* choices = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 6);
  choices->set_valign(Gtk::Align::CENTER);
  model_.set_name("huddle.participant." + id_ + ".model");
  model_.set_model(Gtk::StringList::create({"5.6 SOL", "Fable 5"}));
  nameDropDown(model_, "Reasoning model for " + participant.name);
  model_.property_selected().signal_changed().connect([this] {
    const VelmoraModelProvider provider = model_.get_selected() == kAnthropicChoice
                                              ? VelmoraModelProvider::anthropic
                                              : VelmoraModelProvider::openAI;
    huddle_.setProvider(id_, provider);
  });
  include_.set_name("huddle.participant." + id_ + ".include");
  include_.set_halign(Gtk::Align::END);
  setAccessibleName(include_, "Include " + participant.name);
  include_.signal_toggled().connect([this] {
    for (const HuddleParticipant& each : huddle_.participants().get()) {
      if (each.id == id_ && each.isIncluded != include_.get_active()) {
        huddle_.toggleParticipant(id_);
      }
    }
  });
  choices->append(model_);
  choices->append(include_);
  append(*choices);
}

void HuddleParticipantRow::show(const HuddleParticipant& participant, bool locked, bool active) {
  if (model_.get_selected() != choiceOf(participant)) model_.set_selected(choiceOf(participant));
  if (include_.get_active() != participant.isIncluded) include_.set_active(participant.isIncluded);
  model_.set_sensitive(!locked);
  include_.set_sensitive(!locked);
  markActive(*this, active);
  markActive(*avatar_, active);
}

}  // namespace ondi::ui
