// A bare WebKitGTK view loading the operator page: the baseline of bench/startup.
// Prints "presented" when its window is mapped and "loaded" when the page has loaded.
#include <glib-unix.h>
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <csignal>
#include <cstdio>

namespace {

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

void onMap(GtkWidget*, gpointer) {
  say("presented");
}

void onLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer) {
  if (event == WEBKIT_LOAD_FINISHED) say("loaded");
}

gboolean onTerminate(gpointer window) {
  gtk_window_destroy(GTK_WINDOW(window));
  return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PAGE.html\n", argv[0]);
    return 2;
  }
  g_autofree gchar* html = nullptr;
  g_autoptr(GError) error = nullptr;
  if (!g_file_get_contents(argv[1], &html, nullptr, &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error->message);
    return 1;
  }
  gtk_init();

  g_autofree gchar* dataDir = g_build_filename(g_get_user_data_dir(), "bare-view", nullptr);
  g_autofree gchar* cacheDir = g_build_filename(g_get_user_cache_dir(), "bare-view", nullptr);
  g_autoptr(WebKitNetworkSession) session = webkit_network_session_new(dataDir, cacheDir);
  GtkWidget* view =
      GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", session, nullptr));
  GtkWidget* window = gtk_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window), 1480, 900);
  gtk_window_set_child(GTK_WINDOW(window), view);

  g_autoptr(GMainLoop) loop = g_main_loop_new(nullptr, FALSE);
  g_signal_connect(window, "map", G_CALLBACK(onMap), nullptr);
  g_signal_connect_swapped(window, "destroy", G_CALLBACK(g_main_loop_quit), loop);
  g_signal_connect(view, "load-changed", G_CALLBACK(onLoadChanged), nullptr);
  g_unix_signal_add(SIGTERM, onTerminate, window);

  webkit_web_view_load_html(WEBKIT_WEB_VIEW(view), html,
                            "https://ondi.example/agent.html?source=mac_app");
  gtk_window_present(GTK_WINDOW(window));
  g_main_loop_run(loop);
  return 0;
}
