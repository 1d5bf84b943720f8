#include "ui/monitor/MonitorScreen.h"

#include <gdkmm/texture.h>
#include <gtkmm/binlayout.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/monitor/BrowserbaseLiveView.h"
#include "core/monitor/DaytonaMonitorStore.h"
#include "core/theme/VelmoraTheme.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/WebViewWidget.h"

namespace ondi::ui {
namespace {

// The badge words the monitor uses are the header's: the signal that reads `word`.
DesktopSurfaceSignal signalReading(const std::string& word) {
  for (const DesktopSurfaceSignal signal :
       {DesktopSurfaceSignal::connecting, DesktopSurfaceSignal::ready, DesktopSurfaceSignal::live,
        DesktopSurfaceSignal::focused, DesktopSurfaceSignal::paused,
        DesktopSurfaceSignal::signInRequired, DesktopSurfaceSignal::setupRequired,
        DesktopSurfaceSignal::offline}) {
    if (badgeText(signal) == word) return signal;
  }
  return DesktopSurfaceSignal::connecting;
}

void wrapping(Gtk::Label& label, const char* name, const char* style) {
  label.set_name(name);
  label.set_xalign(0);
  label.set_wrap(true);
  label.set_wrap_mode(Pango::WrapMode::WORD_CHAR);
  label.set_max_width_chars(1);  // wraps to the column's width
  label.set_hexpand(true);
  label.add_css_class(style);
}

}  // namespace

MonitorScreen::MonitorScreen(DesktopBrowserModel& model, VelmoraTheme theme)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 8),
      monitor_(model.monitor()),
      liveView_(model.liveView()),
      session_(model.account.workspaceSessionState),
      badge_(theme),
      actions_(model.monitor(), model.account.workspaceSessionState,
               {[&model] { model.presentAuthentication(DesktopAuthIntent::signIn); },
                [&model] { model.refreshWorkspaceSession(); }}) {
  set_name("monitor");
  set_vexpand(true);

  auto* heading = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  wrapping(runTitle_, "monitor.run-title", "heading");
  runTitle_.set_lines(3);
  runTitle_.set_ellipsize(Pango::EllipsizeMode::END);
  wrapping(pageLabel_, "monitor.page-label", "dim-label");
  pageLabel_.add_css_class("caption");
  pageLabel_.set_lines(2);
  pageLabel_.set_ellipsize(Pango::EllipsizeMode::END);
  titles->append(runTitle_);
  titles->append(pageLabel_);
  heading->append(*titles);
  badge_.set_name("monitor.status-badge");
  badge_.set_valign(Gtk::Align::START);
  heading->append(badge_);
  append(*heading);

  frameArea_.set_name("monitor.frame");
  frameArea_.set_vexpand(true);
  frameArea_.set_size_request(-1, 160);
  frameArea_.set_overflow(Gtk::Overflow::HIDDEN);
  setAccessibleName(frameArea_, "Run's browser");
  liveSlot_.set_name("monitor.live-view");
  liveSlot_.set_layout_manager(Gtk::BinLayout::create());
  picture_.set_name("monitor.frame-image");
  picture_.set_content_fit(Gtk::ContentFit::CONTAIN);
  picture_.set_can_shrink(true);
  setAccessibleName(picture_, "Latest screenshot of the run's browser");
  wrapping(emptyText_, "monitor.empty-state", "dim-label");
  emptyText_.set_justify(Gtk::Justification::CENTER);
  emptyText_.set_xalign(0.5);
  emptyText_.set_valign(Gtk::Align::CENTER);
  emptyText_.set_margin(16);
  content_.add(liveSlot_, "live", "Live view");
  content_.add(picture_, "frame", "Latest screenshot");
  content_.add(emptyText_, "empty", "Status");
  frameArea_.set_child(content_);
  controlOpen_.set_name("monitor.control-open");
  controlOpen_.set_text("Control is open");
  controlOpen_.add_css_class("ondi-badge");
  controlOpen_.add_css_class("osd");
  controlOpen_.set_halign(Gtk::Align::CENTER);
  controlOpen_.set_valign(Gtk::Align::END);
  controlOpen_.set_margin(8);
  frameArea_.add_overlay(controlOpen_);
  append(frameArea_);
  append(actions_);

  connections_.add(monitor_.displayChanged.connect([this] { showDisplay(); }));
  connections_.add(monitor_.isBusy.changed().connect([this](bool) { actions_.showCurrent(); }));
  connections_.add(monitor_.liveViewURL.changed().connect([this](const auto&) { showContent(); }));
  connections_.add(monitor_.frame.changed().connect([this](const auto&) { showFrame(); }));
  connections_.add(liveView_.webViewReplaced.connect([this] { placeWebView(); }));
  signal_map().connect([this] { monitor_.setMonitorShown(true); });
  signal_unmap().connect([this] { monitor_.setMonitorShown(false); });
  placeWebView();
  showFrame();
  showContent();
}

MonitorScreen::~MonitorScreen() {
  // The web view outlives the screen: the live view keeps it for the next one.
  if (Gtk::Widget* view = liveSlot_.get_first_child()) view->unparent();
}

void MonitorScreen::placeWebView() {
  if (Gtk::Widget* old = liveSlot_.get_first_child()) old->unparent();
  if (!liveView_.webView()) return;
  Gtk::Widget& view = widgetOf(*liveView_.webView());
  if (view.get_parent()) view.unparent();
  view.set_name("monitor.web-view");
  setAccessibleName(view, "Live view of the run's browser");
  view.set_parent(liveSlot_);
}

void MonitorScreen::showContent() {
  liveView_.update(monitor_.liveViewURL.get(), monitor_.managedBrowserBaseURL());
  showDisplay();
}

void MonitorScreen::showFrame() {
  const auto& frame = monitor_.frame.get();
  if (!frame) {
    picture_.set_paintable({});
  } else {
    try {
      picture_.set_paintable(Gdk::Texture::create_from_bytes(
          Glib::Bytes::create(frame->bytes.data(), frame->bytes.size())));
    } catch (const Glib::Error&) {
      // The store checked the bytes; a frame the toolkit cannot read shows as none.
      picture_.set_paintable({});
    }
  }
  showDisplay();
}

void MonitorScreen::showDisplay() {
  runTitle_.set_text(monitor_.runTitle());
  pageLabel_.set_text(monitor_.pageLabel());
  badge_.show(signalReading(monitor_.statusBadge()));
  emptyText_.set_text(monitor_.emptyStateText());
  const bool live = monitor_.liveViewURL.get() && liveView_.webView();
  const bool frame = !live && picture_.get_paintable();
  content_.set_visible_child(live ? "live" : frame ? "frame" : "empty");
  controlOpen_.set_visible((live || frame) && monitor_.isControlOpen());
  actions_.showCurrent();
}

}  // namespace ondi::ui
