#include "ui/app/WindowRecovery.h"

#include <gdk/x11/gdkx.h>
#include <gdkmm/display.h>
#include <gdkmm/monitor.h>
#include <gtk/gtk.h>

#include <optional>

#include "core/util/GlibHandles.h"

namespace ondi::ui {
namespace {

struct Frame {
  int x = 0, y = 0, width = 0, height = 0;
};

std::optional<Frame> x11Frame(Gtk::Window& window) {
  GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window.gobj()));
  if (!surface || !GDK_IS_X11_SURFACE(surface)) return std::nullopt;
  Display* display = gdk_x11_display_get_xdisplay(gdk_surface_get_display(surface));
  const Window xid = gdk_x11_surface_get_xid(surface);
  Window child = 0;
  Frame frame;
  XTranslateCoordinates(display, xid, DefaultRootWindow(display), 0, 0, &frame.x, &frame.y, &child);
  frame.width = gdk_surface_get_width(surface);
  frame.height = gdk_surface_get_height(surface);
  return frame;
}

}  // namespace

bool WindowRecovery::canPlaceWindows(Gtk::Window& window) {
  return x11Frame(window).has_value();
}

bool WindowRecovery::isMinimized(Gtk::Window& window) {
  GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window.gobj()));
  return surface && GDK_IS_TOPLEVEL(surface) &&
         (gdk_toplevel_get_state(GDK_TOPLEVEL(surface)) & GDK_TOPLEVEL_STATE_MINIMIZED);
}

bool WindowRecovery::isOffScreen(Gtk::Window& window) {
  const auto frame = x11Frame(window);
  if (!frame) return false;
  GListModel* monitors = gdk_display_get_monitors(window.get_display()->gobj());
  for (guint i = 0; i < g_list_model_get_n_items(monitors); ++i) {
    const auto monitor =
        glib::ObjectRef<GdkMonitor>::adopt(GDK_MONITOR(g_list_model_get_item(monitors, i)));
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor.get(), &area);
    const bool meets = frame->x < area.x + area.width && area.x < frame->x + frame->width &&
                       frame->y < area.y + area.height && area.y < frame->y + frame->height;
    if (meets) return false;
  }
  return true;
}

void WindowRecovery::centreOnPrimaryMonitor(Gtk::Window& window) {
  const auto frame = x11Frame(window);
  if (!frame) return;
  GListModel* monitors = gdk_display_get_monitors(window.get_display()->gobj());
  if (g_list_model_get_n_items(monitors) == 0) return;
  const auto monitor =
      glib::ObjectRef<GdkMonitor>::adopt(GDK_MONITOR(g_list_model_get_item(monitors, 0)));
  GdkRectangle area;
  gdk_monitor_get_geometry(monitor.get(), &area);
  GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window.gobj()));
  Display* display = gdk_x11_display_get_xdisplay(gdk_surface_get_display(surface));
  XMoveWindow(display, gdk_x11_surface_get_xid(surface), area.x + (area.width - frame->width) / 2,
              area.y + (area.height - frame->height) / 2);
}

}  // namespace ondi::ui
