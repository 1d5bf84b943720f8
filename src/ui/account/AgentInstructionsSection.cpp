#include "ui/account/AgentInstructionsSection.h"

#include "core/account/AgentInstructionsController.h"
#include "ui/account/AccountStyle.h"

namespace ondi::ui {

AgentInstructionsSection::AgentInstructionsSection(AgentInstructionsController& instructions)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12), instructions_(instructions) {
  installAccountStyle();
  set_name("agent-instructions-section");

  heading_.set_text("Agent instructions");
  heading_.set_xalign(0);
  heading_.add_css_class("title-3");
  explanation_.set_text(
      "Edit the standing rules each specialist follows in real huddles. Every agent starts with "
      "clear, role-specific guidance; enter one instruction per line and save changes to this "
      "account.");
  explanation_.set_xalign(0);
  explanation_.set_wrap(true);
  explanation_.set_max_width_chars(1);  // wraps to the section's width
  explanation_.set_hexpand(true);
  explanation_.add_css_class("dim-label");
  placeholder_.set_name("agent-instructions.placeholder");
  placeholder_.set_xalign(0);
  placeholder_.set_wrap(true);
  append(heading_);
  append(explanation_);
  append(placeholder_);
  append(editors_);

  auto& account = instructions_.state();
  connections_.add(
      account.workspaceSessionState.changed().connect([this](const auto&) { showProfiles(); }));
  connections_.add(
      account.agentInstructionProfiles.changed().connect([this](const auto&) { showProfiles(); }));
  showProfiles();
}

void AgentInstructionsSection::showProfiles() {
  const bool signedIn = instructions_.state().workspaceSessionState.get().isAuthenticated();
  const bool loaded = !instructions_.state().agentInstructionProfiles.get().empty();
  if (!signedIn) {
    // Drafts belong to the account that wrote them.
    while (Gtk::Widget* child = editors_.get_first_child()) editors_.remove(*child);
    editorsByID_.clear();
  }
  placeholder_.set_text(signedIn
                            ? "Loading agent instructions…"
                            : "Sign in to view the standing instructions for your agent team.");
  placeholder_.set_visible(!signedIn || !loaded);
  editors_.set_visible(signedIn && loaded);
  if (signedIn && loaded) placeEditors();
}

// One editor per profile, in the account's order; editors of profiles that are gone are dropped.
void AgentInstructionsSection::placeEditors() {
  std::map<std::string, std::unique_ptr<AgentInstructionEditor>> kept;
  std::vector<Gtk::Widget*> order;
  for (const AgentInstructionProfile& profile :
       instructions_.state().agentInstructionProfiles.get()) {
    if (kept.contains(profile.id)) continue;
    auto found = editorsByID_.extract(profile.id);
    auto editor = found ? std::move(found.mapped())
                        : std::make_unique<AgentInstructionEditor>(instructions_, profile.id);
    editor->showProfile();
    order.push_back(editor.get());
    kept.emplace(profile.id, std::move(editor));
  }

  std::vector<Gtk::Widget*> shown;
  for (Gtk::Widget* child = editors_.get_first_child(); child; child = child->get_next_sibling()) {
    shown.push_back(child);
  }
  if (shown != order) {
    for (Gtk::Widget* child : shown) editors_.remove(*child);
    for (Gtk::Widget* editor : order) editors_.append(*editor);
  }
  editorsByID_ = std::move(kept);
}

}  // namespace ondi::ui
