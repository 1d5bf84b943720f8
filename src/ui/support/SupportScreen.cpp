#include "ui/support/SupportScreen.h"

#include <gdkmm/clipboard.h>
#include <gtkmm/expander.h>
#include <gtkmm/label.h>

#include "core/support/SupportAnswers.h"
#include "core/support/SupportDesk.h"
#include "ui/app/AccessibleName.h"
#include "ui/home/DetailButton.h"
#include "ui/home/HomeSections.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr const char* kCopyTitle = "Copy diagnostics";
constexpr const char* kCopiedTitle = "Diagnostics copied";

Gtk::Label& pageLabel(const std::string& text, const char* cssClass) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(true);
  label->add_css_class(cssClass);
  return *label;
}

Gtk::Box& panelList() {
  auto* list = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  applyPanelStyle(*list, 12, false);
  return *list;
}

}  // namespace

SupportScreen::SupportScreen(SupportDesk& support)
    : support_(support), page_(Gtk::Orientation::VERTICAL, 24) {
  set_name("screen.support");
  set_hexpand(true);
  set_vexpand(true);
  set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  page_.set_margin(28);

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  auto& title = pageLabel("Support", "title-1");
  title.set_name("support.title");
  header->append(title);
  header->append(pageLabel("Help for your Ondi workspace", "dim-label"));
  page_.append(*header);

  auto& actions = panelList();
  auto* contact =
      Gtk::make_managed<DetailButton>("support.contact", "safari", "Contact Ondi support",
                                      "Open Ondi support in the in-app browser");
  contact->signal_clicked().connect([this] { support_.openContactPage(); });
  auto* email =
      Gtk::make_managed<DetailButton>("support.email", "envelope.fill", "Email support",
                                      "Start a message to " + support_.supportEmailAddress());
  email->signal_clicked().connect([this] { support_.composeEmail(); });
  auto* settings =
      Gtk::make_managed<DetailButton>("support.settings", "gearshape", "Open settings",
                                      "Manage OpenAI, approval, and workspace preferences");
  settings->signal_clicked().connect([this] { activate_action("app.settings"); });
  copyRow_ = Gtk::make_managed<DetailButton>("support.diagnostics", "doc.on.doc", kCopyTitle,
                                             "Copy non-sensitive app and route details");
  copyRow_->signal_clicked().connect([this] { copyDiagnostics(); });
  for (Gtk::Widget* row :
       {static_cast<Gtk::Widget*>(contact), static_cast<Gtk::Widget*>(email),
        static_cast<Gtk::Widget*>(settings), static_cast<Gtk::Widget*>(copyRow_)}) {
    actions.append(*row);
  }
  page_.append(homeSection("support.actions", "Get help", actions));

  auto& answers = panelList();
  int number = 0;
  for (const SupportAnswer& item : supportAnswers()) {
    auto* disclosure = Gtk::make_managed<Gtk::Expander>(item.question);
    disclosure->set_name("support.answer." + std::to_string(++number));
    setAccessibleName(*disclosure, item.question);
    disclosure->set_expanded(false);
    disclosure->set_margin(6);
    auto& answer = pageLabel(item.answer, "dim-label");
    answer.set_margin_top(6);
    answer.set_margin_start(18);
    disclosure->set_child(answer);
    answers.append(*disclosure);
  }
  page_.append(homeSection("support.answers", "Quick answers", answers));
  set_child(page_);
  nameScrollBars(*this, "Support");

  signal_map().connect([this] { showCopied(false); });
}

void SupportScreen::copyDiagnostics() {
  get_clipboard()->set_text(support_.diagnostics());
  showCopied(true);
}

void SupportScreen::showCopied(bool copied) {
  copiedDiagnostics_ = copied;
  copyRow_->setTitle(copiedDiagnostics_ ? kCopiedTitle : kCopyTitle);
}

}  // namespace ondi::ui
