#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi {
struct ActivityItem;
struct HomeMetric;
struct RequestItem;
}  // namespace ondi

namespace ondi::ui {

// The pieces the home screen is built from.

// A titled section: its heading and the `content` under it.
Gtk::Box& homeSection(const std::string& name, const std::string& title, Gtk::Widget& content);
// One figure of the status rail.
Gtk::Widget& metricTile(const std::string& name, const HomeMetric& metric);
// The readiness line: a green dot, "Ondi is ready" and "All systems operational.".
Gtk::Widget& readinessLine();
// The open request's title, agent, status, summary and progress.
Gtk::Widget& requestSummary(const RequestItem& request);
// One activity record: title, detail and when it happened.
Gtk::Widget& activityRow(const std::string& name, const ActivityItem& item);
// Removes every child of `box`.
void removeChildren(Gtk::Box& box);

}  // namespace ondi::ui
