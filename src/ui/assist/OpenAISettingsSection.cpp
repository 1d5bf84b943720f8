#include "ui/assist/OpenAISettingsSection.h"

#include "core/account/DesktopPreferencesController.h"
#include "core/assist/OpenAIPrompt.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {
constexpr const char* kAPIKeysPage = "https://platform.openai.com/api-keys";
}

OpenAISettingsSection::OpenAISettingsSection(DesktopPreferencesController& preferences,
                                             OpenAIKeychain& keychain)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      preferences_(preferences),
      keySettings_(preferences.state(), keychain) {
  set_name("openai-settings-section");

  heading_.set_text("OpenAI");
  heading_.set_xalign(0);
  heading_.add_css_class("title-3");
  append(heading_);

  fallback_.set_name("openai-settings.fallback");
  fallback_.set_valign(Gtk::Align::CENTER);
  setAccessibleName(fallback_, "Use direct OpenAI responses");
  connections_.add(fallback_.property_active().signal_changed().connect([this] {
    const bool enabled = fallback_.get_active();
    preferences_.update([enabled](DesktopAccountPreferences& preferences) {
      preferences.useOpenAIFallback = enabled;
    });
  }));
  editors_.append(labelledRow("Use direct OpenAI responses", fallback_));

  modelName_.set_name("openai-settings.model");
  modelName_.set_text(kOpenAIModel);
  modelName_.set_selectable(true);
  editors_.append(labelledRow("Model", modelName_));

  key_.set_name("openai-settings.api-key");
  key_.set_hexpand(true);
  key_.set_show_peek_icon(false);
  key_.property_placeholder_text() = "sk-…";
  setAccessibleName(key_, "API key");
  // Enter saves what was typed; on an empty field it does nothing, so that a stray Enter
  // never removes the saved key (the Save button still does, on purpose).
  g_signal_connect_swapped(key_.gobj(), "activate", G_CALLBACK(+[](OpenAISettingsSection* self) {
                             if (!self->key_.get_text().empty() && self->save_.get_sensitive()) {
                               self->save();
                             }
                           }),
                           this);
  editors_.append(labelledRow("API key", key_));

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  createKey_.set_name("openai-settings.create-key");
  createKey_.set_label("Create key");
  createKey_.set_uri(kAPIKeysPage);
  createKey_.set_hexpand(true);
  createKey_.set_halign(Gtk::Align::START);
  remove_.set_name("openai-settings.remove");
  remove_.set_label("Remove");
  remove_.signal_clicked().connect([this] {
    setBusy(true);
    keySettings_.remove([this](const OpenAIKeySettings::Outcome& outcome) { show(outcome); });
  });
  save_.set_name("openai-settings.save");
  save_.set_label("Save API Key");
  save_.add_css_class("suggested-action");
  save_.signal_clicked().connect([this] { save(); });
  buttons->append(createKey_);
  buttons->append(remove_);
  buttons->append(save_);
  editors_.append(*buttons);
  append(editors_);

  status_.set_name("openai-settings.status");
  status_.set_xalign(0);
  status_.set_wrap(true);
  append(status_);
  note_.set_text(
      "Saved keys remain in the system keyring, are isolated to the signed-in Ondi account on "
      "this computer, and are never displayed again in Settings.");
  note_.set_xalign(0);
  note_.set_wrap(true);
  note_.set_max_width_chars(1);  // wraps to the section's width
  note_.set_hexpand(true);
  note_.add_css_class("caption");
  note_.add_css_class("dim-label");
  append(note_);

  connections_.add(preferences_.state().desktopPreferences.changed().connect(
      [this](const auto&) { showPreferences(); }));
  connections_.add(preferences_.state().workspaceSessionState.changed().connect(
      [this](const auto&) { showStatus(); }));
  signal_map().connect([this] { showStatus(); });
  showPreferences();
  showStatus();
}

Gtk::Box& OpenAISettingsSection::labelledRow(const char* title, Gtk::Widget& value) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* label = Gtk::make_managed<Gtk::Label>(title);
  label->set_xalign(0);
  label->set_hexpand(true);
  row->append(*label);
  row->append(value);
  return *row;
}

void OpenAISettingsSection::showPreferences() {
  fallback_.set_active(preferences_.state().desktopPreferences.get().useOpenAIFallback);
}

void OpenAISettingsSection::showStatus() {
  status_.set_text(keySettings_.status());
  // Keys and the switch belong to an account: signed out, the status asks to sign in.
  editors_.set_visible(preferences_.state().workspaceSessionState.get().isAuthenticated());
}

// The keyring answers later: the buttons wait for it, so that actions never overlap.
void OpenAISettingsSection::setBusy(bool busy) {
  save_.set_sensitive(!busy);
  remove_.set_sensitive(!busy);
}

void OpenAISettingsSection::show(const OpenAIKeySettings::Outcome& outcome) {
  setBusy(false);
  if (outcome.succeeded) key_.set_text("");
  status_.set_text(outcome.status);
}

void OpenAISettingsSection::save() {
  setBusy(true);
  keySettings_.save(key_.get_text().raw(),
                    [this](const OpenAIKeySettings::Outcome& outcome) { show(outcome); });
}

}  // namespace ondi::ui
