// A bare WebKitGTK view loading the operator page: the baseline of bench/startup and bench/idle.
// Prints "presented" when its window is mapped and "loaded" when the page has loaded. With
// --base-url it asks the page's origin whether its cookie jar holds a session and prints
// "signed in" or "signed out"; with --hide-when-loaded it then switches its window to a plain
// label, so that the page stays loaded but hidden, and prints "hidden".
#include <glib-unix.h>
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <csignal>
#include <cstdio>

#include "platform/linux/SoftwareGLRendering.h"

namespace {

constexpr char kDefaultBaseURL[] = "https://ondi.example/agent.html?source=mac_app";
constexpr char kSessionCheck[] =
    "const response = await fetch('/api/auth/session', {headers: {Accept: 'application/json'}});"
    "const body = await response.json();"
    "return body.authenticated === true;";

struct Page {
  GtkStack* stack = nullptr;
  gboolean checkSession = FALSE;
  gboolean hideWhenLoaded = FALSE;
};

// Keeps the baseline's output to its markers.
struct QuietLogger final : ondi::Logger {
  void log(ondi::LogLevel, std::string_view, std::string_view) override {}
};

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

void onMap(GtkWidget*, gpointer) {
  say("presented");
}

void hideIfAsked(const Page& page) {
  if (!page.hideWhenLoaded) return;
  gtk_stack_set_visible_child_name(page.stack, "hidden");
  say("hidden");
}

void onSessionChecked(GObject* view, GAsyncResult* result, gpointer page) {
  g_autoptr(GError) error = nullptr;
  g_autoptr(JSCValue) value =
      webkit_web_view_call_async_javascript_function_finish(WEBKIT_WEB_VIEW(view), result, &error);
  say(value && jsc_value_to_boolean(value) ? "signed in" : "signed out");
  hideIfAsked(*static_cast<const Page*>(page));
}

void onLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
  if (event != WEBKIT_LOAD_FINISHED) return;
  say("loaded");
  const auto& page = *static_cast<const Page*>(data);
  if (!page.checkSession) return hideIfAsked(page);
  webkit_web_view_call_async_javascript_function(view, kSessionCheck, -1, nullptr, nullptr, nullptr,
                                                 nullptr, onSessionChecked, data);
}

gboolean onTerminate(gpointer window) {
  gtk_window_destroy(GTK_WINDOW(window));
  return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
  gchar* baseURLOption = nullptr;
  Page page;
  const GOptionEntry entries[] = {
      {"base-url", 0, 0, G_OPTION_ARG_STRING, &baseURLOption,
       "Address the page is loaded at; also checks the session there", "URL"},
      {"hide-when-loaded", 0, 0, G_OPTION_ARG_NONE, &page.hideWhenLoaded,
       "Keep the page loaded but hidden once it has loaded", nullptr},
      {}};
  g_autoptr(GOptionContext) context = g_option_context_new("PAGE.html");
  g_option_context_add_main_entries(context, entries, nullptr);
  g_autoptr(GError) error = nullptr;
  if (!g_option_context_parse(context, &argc, &argv, &error) || argc != 2) {
    std::fprintf(stderr, "usage: %s [--base-url URL] [--hide-when-loaded] PAGE.html\n", argv[0]);
    return 2;
  }
  g_autofree gchar* baseURL = baseURLOption;
  page.checkSession = baseURL != nullptr;
  g_autofree gchar* html = nullptr;
  if (!g_file_get_contents(argv[1], &html, nullptr, &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error->message);
    return 1;
  }
  gtk_init();
  // The same rendering as the app's: cairo instead of OpenGL implemented in software.
  QuietLogger logger;
  ondi::platform::drawWithCairoOnSoftwareGL(logger);

  // The same storage as the app's: a persistent session whose cookies live in a database.
  g_autofree gchar* dataDir = g_build_filename(g_get_user_data_dir(), "bare-view", nullptr);
  g_autofree gchar* cacheDir = g_build_filename(g_get_user_cache_dir(), "bare-view", nullptr);
  g_autofree gchar* cookies = g_build_filename(dataDir, "cookies.sqlite", nullptr);
  g_autoptr(WebKitNetworkSession) session = webkit_network_session_new(dataDir, cacheDir);
  webkit_cookie_manager_set_persistent_storage(webkit_network_session_get_cookie_manager(session),
                                               cookies, WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
  GtkWidget* view =
      GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", session, nullptr));
  page.stack = GTK_STACK(gtk_stack_new());
  gtk_stack_add_named(page.stack, view, "page");
  gtk_stack_add_named(page.stack, gtk_label_new("Hidden"), "hidden");
  GtkWidget* window = gtk_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window), 1480, 900);
  gtk_window_set_child(GTK_WINDOW(window), GTK_WIDGET(page.stack));

  g_autoptr(GMainLoop) loop = g_main_loop_new(nullptr, FALSE);
  g_signal_connect(window, "map", G_CALLBACK(onMap), nullptr);
  g_signal_connect_swapped(window, "destroy", G_CALLBACK(g_main_loop_quit), loop);
  g_signal_connect(view, "load-changed", G_CALLBACK(onLoadChanged), &page);
  g_unix_signal_add(SIGTERM, onTerminate, window);

  webkit_web_view_load_html(WEBKIT_WEB_VIEW(view), html, baseURL ? baseURL : kDefaultBaseURL);
  gtk_window_present(GTK_WINDOW(window));
  g_main_loop_run(loop);
  return 0;
}
