#include "ui/account/AgentInstructionEditor.h"

#include <gtkmm/frame.h>

#include <algorithm>

#include "core/account/AgentInstructionsController.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

}  // namespace

AgentInstructionEditor::AgentInstructionEditor(AgentInstructionsController& instructions,
                                               std::string profileID)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 8),
      instructions_(instructions),
      profileID_(std::move(profileID)),
      saved_("agent-instructions.saved", "emblem-ok-symbolic", "success"),
      failed_("agent-instructions.error", "dialog-warning-symbolic", "error") {
  set_name("agent-instructions." + profileID_);
  add_css_class("ondi-instruction-editor");

  name_.set_xalign(0);
  name_.add_css_class("heading");
  role_.set_xalign(0);
  role_.set_wrap(true);
  role_.add_css_class("dim-label");
  append(name_);
  append(role_);

  draft_.set_name("agent-instructions.draft");
  draft_.set_wrap_mode(Gtk::WrapMode::WORD_CHAR);
  draft_.set_size_request(-1, 132);
  draft_.set_top_margin(8);
  draft_.set_bottom_margin(8);
  draft_.set_left_margin(10);
  draft_.set_right_margin(10);
  setAccessibleName(draft_, "Agent instructions");
  draft_.get_buffer()->signal_changed().connect([this] {
    if (!showingSaved_) edited_ = true;
  });
  auto* frame = Gtk::make_managed<Gtk::Frame>();
  frame->set_child(draft_);
  nameAfterLabel(*frame, name_);
  append(*frame);

  hint_.set_text("One instruction per line · up to 8 instructions");
  hint_.set_xalign(0);
  hint_.add_css_class("caption");
  hint_.add_css_class("dim-label");
  append(hint_);
  append(saved_);
  append(failed_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  restore_.set_name("agent-instructions.restore");
  restore_.set_label("Restore defaults");
  restore_.signal_clicked().connect([this] { restoreDefaults(); });
  save_.set_name("agent-instructions.save");
  save_.set_label("Save instructions");
  save_.add_css_class("suggested-action");
  save_.signal_clicked().connect(
      [this] { save(draft_.get_buffer()->get_text(), "Instructions saved."); });
  buttons->append(restore_);
  buttons->append(save_);
  append(*buttons);

  showProfile();
}

const AgentInstructionProfile* AgentInstructionEditor::profile() const {
  const auto& profiles = instructions_.state().agentInstructionProfiles.get();
  const auto found = std::ranges::find(profiles, profileID_, &AgentInstructionProfile::id);
  return found == profiles.end() ? nullptr : &*found;
}

void AgentInstructionEditor::showProfile() {
  const AgentInstructionProfile* shown = profile();
  if (!shown) return;
  name_.set_text(shown->name);
  // Every agent has an editor like this one: the names say whose instructions they touch.
  setAccessibleName(draft_, shown->name + " instructions");
  setAccessibleName(save_, "Save " + shown->name + " instructions");
  setAccessibleName(restore_, "Restore " + shown->name + " defaults");
  role_.set_text(shown->role);
  role_.set_visible(!shown->role.empty());
  if (!edited_) setDraft(shown->instructions);
  showSaving(saving_);
}

void AgentInstructionEditor::save(const std::string& text, std::string successMessage) {
  saved_.setText("");
  failed_.setText("");
  showSaving(true);
  instructions_.updateAgentInstructions(
      profileID_, normalizedInstructions(text),
      whileAlive(lifetime_,
                 [this, successMessage = std::move(successMessage)](
                     const std::expected<AgentInstructionProfile, DesktopAPIRequestError>& result) {
                   showSaving(false);
                   if (result) {
                     setDraft(result->instructions);
                     saved_.setText(successMessage);
                   } else {
                     failed_.setText(result.error().description());
                   }
                 }));
}

void AgentInstructionEditor::restoreDefaults() {
  const AgentInstructionProfile* shown = profile();
  if (!shown || !shown->defaultInstructions) return;
  draft_.get_buffer()->set_text(joinedLines(*shown->defaultInstructions));
  save(joinedLines(*shown->defaultInstructions), "Default instructions restored.");
}

// Replaces the draft with saved or default instructions; the draft counts as untouched again.
void AgentInstructionEditor::setDraft(const std::vector<std::string>& instructions) {
  showingSaved_ = true;
  draft_.get_buffer()->set_text(joinedLines(instructions));
  showingSaved_ = false;
  edited_ = false;
}

void AgentInstructionEditor::showSaving(bool saving) {
  saving_ = saving;
  const AgentInstructionProfile* shown = profile();
  const bool hasDefaults =
      shown && shown->defaultInstructions && !shown->defaultInstructions->empty();
  save_.set_sensitive(!saving);
  restore_.set_sensitive(!saving && hasDefaults);
}

}  // namespace ondi::ui
