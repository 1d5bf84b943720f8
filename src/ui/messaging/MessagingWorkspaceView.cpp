#include "ui/messaging/MessagingWorkspaceView.h"

#include <gtkmm/flowbox.h>

#include "core/messaging/IMessageBridgeModel.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"

namespace ondi::ui {

MessagingWorkspaceView::MessagingWorkspaceView(IMessageBridgeModel& bridge, Actions actions)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 16),
      bridge_(bridge),
      actions_(std::move(actions)),
      scan_(bridge, actions_.openURL,
            [this](const std::string& text) { recovery_.set_text(text); }) {
  set_name("screen.messaging");
  set_margin(32);

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  titles->set_hexpand(true);
  auto* title = Gtk::make_managed<Gtk::Label>("iMessage");
  title->set_xalign(0);
  title->add_css_class("title-1");
  titles->append(*title);
  auto* line = Gtk::make_managed<Gtk::Label>(
      "Give every Ondi account a private route to TELVORIX, while Messages stays the transport.");
  line->set_xalign(0);
  line->set_wrap(true);
  line->add_css_class("dim-label");
  titles->append(*line);
  header->append(*titles);
  auto* refresh = Gtk::make_managed<Gtk::Button>();
  styleIconButton(*refresh, "messaging.refresh", "arrow.clockwise",
                  "Refresh iMessage and route status");
  refresh->set_valign(Gtk::Align::CENTER);
  refresh->signal_clicked().connect([this] { bridge_.refresh(); });
  header->append(*refresh);
  auto* compose = Gtk::make_managed<Gtk::Button>();
  compose->set_name("messaging.compose");
  setIconAndLabel(*compose, "square.and.pencil", "New message");
  compose->set_tooltip_text("Compose a new message");
  compose->set_valign(Gtk::Align::CENTER);
  compose->signal_clicked().connect([this] { actions_.compose(); });
  header->append(*compose);
  append(*header);

  problem_.set_name("messaging.problem");
  problem_.add_css_class("card");
  problemText_.set_name("messaging.problem.text");
  problemText_.set_xalign(0);
  problemText_.set_wrap(true);
  problemText_.set_hexpand(true);
  problemText_.set_margin(10);
  problem_.append(problemText_);
  problemAction_.set_name("messaging.problem.action");
  problemAction_.set_valign(Gtk::Align::CENTER);
  problemAction_.set_margin_end(10);
  problemAction_.signal_clicked().connect([this] {
    if (bridge_.requiresSignIn()) {
      actions_.signIn();
    } else {
      bridge_.refresh();
    }
  });
  problem_.append(problemAction_);
  append(problem_);

  auto* tiles = Gtk::make_managed<Gtk::FlowBox>();
  tiles->set_selection_mode(Gtk::SelectionMode::NONE);
  tiles->set_homogeneous(true);
  tiles->set_max_children_per_line(3);
  tiles->set_column_spacing(12);
  tiles->set_row_spacing(12);
  setAccessibleName(*tiles, "Messaging status");
  appendNamed(*tiles, relay_, "Messages relay");
  appendNamed(*tiles, route_, "Private route");
  appendNamed(*tiles, agent_, "Routed agent");
  append(*tiles);

  auto* cards = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 16);
  scan_.set_hexpand(true);
  cards->append(scan_);
  conversation_.set_hexpand(true);
  conversation_.set_valign(Gtk::Align::START);
  cards->append(conversation_);
  append(*cards);

  recovery_.set_name("messaging.recovery");
  recovery_.set_xalign(0);
  recovery_.set_wrap(true);
  recovery_.add_css_class("dim-label");
  append(recovery_);

  const auto show = [this](const auto&) { showState(); };
  connections_.add(bridge_.channelState.changed().connect(show));
  connections_.add(bridge_.routeState.changed().connect(show));
  connections_.add(bridge_.route.changed().connect(show));
  signal_map().connect([this] { bridge_.refresh(); });
  showState();
}

void MessagingWorkspaceView::showState() {
  const auto& state = bridge_.routeState.get();
  const bool failed = state.kind == IMessageRouteState::Kind::error;
  problem_.set_visible(failed);
  problemText_.set_text(state.message);
  problemAction_.set_label(bridge_.requiresSignIn() ? "Sign in" : "Retry");
  relay_.show(relayTile(bridge_));
  route_.show(routeTile(bridge_));
  agent_.show(agentTile(bridge_));
  conversation_.showRelay(bridge_.isBlueRelayReady());
  recovery_.set_text(bridge_.recoveryMessage());
  recovery_.set_visible(!recovery_.get_text().empty());
  scan_.showRoute();
}

}  // namespace ondi::ui
