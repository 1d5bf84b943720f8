#include "ui/shell/RecentThreads.h"

#include "core/account/ConversationThreadController.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"

namespace ondi::ui {
namespace {

Gtk::Label& line(const std::string& text, const char* style) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_ellipsize(Pango::EllipsizeMode::END);
  label->set_max_width_chars(1);  // ellipsizes to the sidebar's width
  label->set_hexpand(true);
  if (style) label->add_css_class(style);
  return *label;
}

// A line of the note shown while there are no threads: it wraps rather than lose words.
Gtk::Label& noteLine(const std::string& text, const char* style) {
  Gtk::Label& label = line(text, style);
  label.set_ellipsize(Pango::EllipsizeMode::NONE);
  label.set_wrap(true);
  return label;
}

}  // namespace

RecentThreads::RecentThreads(ConversationThreadController& threads, const std::string& namePrefix)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 6), threads_(threads), namePrefix_(namePrefix) {
  set_name(namePrefix_ + ".recent");

  auto* heading = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL);
  auto& title = line("Recent", "ondi-sidebar-heading");
  title.add_css_class("dim-label");
  heading->append(title);
  styleIconButton(refresh_, namePrefix_ + ".recent.refresh", "arrow.clockwise",
                  "Refresh saved chats");
  refresh_.signal_clicked().connect([this] { threads_.refreshConversationHistory(); });
  heading->append(refresh_);
  styleIconButton(newChat_, namePrefix_ + ".new-chat", "plus", "New chat");
  newChat_.signal_clicked().connect([this] { threads_.startNewChat(); });
  heading->append(newChat_);
  append(*heading);

  empty_.set_name(namePrefix_ + ".recent.empty");
  empty_.append(noteLine("No saved chats yet.", nullptr));
  empty_.append(noteLine("Chats with the agent appear here.", "caption"));
  empty_.set_margin_start(8);
  append(empty_);
  list_.set_name(namePrefix_ + ".recent.threads");
  append(list_);

  connections_.add(threads_.state().conversationThreads.changed().connect(
      [this](const auto&) { showThreads(); }));
  connections_.add(threads_.state().activeConversationThreadID.changed().connect(
      [this](const auto&) { showThreads(); }));
  showThreads();
}

void RecentThreads::showThreads() {
  while (Gtk::Widget* row = list_.get_first_child()) list_.remove(*row);
  const auto& threads = threads_.state().conversationThreads.get();
  const std::string& active = threads_.state().activeConversationThreadID.get();
  for (const DesktopConversationThread& thread : threads) {
    auto* row = Gtk::make_managed<Gtk::Button>();
    row->set_name(namePrefix_ + ".recent.thread." + thread.id);
    row->add_css_class("ondi-recent-thread");
    if (thread.id == active) row->add_css_class("current");
    auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
    texts->append(line(thread.title, nullptr));
    if (!thread.preview.empty()) texts->append(line(thread.preview, "caption"));
    row->set_child(*texts);
    row->set_tooltip_text(thread.title);
    setAccessibleName(*row, thread.title);
    row->signal_clicked().connect([this, id = thread.id] { threads_.openConversationThread(id); });
    list_.append(*row);
  }
  empty_.set_visible(threads.empty());
  list_.set_visible(!threads.empty());
}

}  // namespace ondi::ui
