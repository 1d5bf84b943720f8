#include "ApplicationTest.h"

#include "MainLoop.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gdkmm/frameclock.h>
#include <glibmm/main.h>
#include <gtkmm/stack.h>

#include <algorithm>
#include <cstdlib>
#include <list>
#include <memory>
#include <optional>

#include "platform/linux/DesktopComposition.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

// A loopback port nobody listens on: bound once by the system's choice, then released.
int closedLoopbackPort() {
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
  ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(socket);
  return ntohs(address.sin_port);
}

}  // namespace

Gtk::Label* findLabel(Gtk::Widget& root, const std::string& text) {
  if (auto* label = dynamic_cast<Gtk::Label*>(&root); label && label->get_text().raw() == text) {
    return label;
  }
  for (Gtk::Widget* child = root.get_first_child(); child; child = child->get_next_sibling()) {
    if (Gtk::Label* found = findLabel(*child, text)) return found;
  }
  return nullptr;
}

std::string firstLabelText(Gtk::Widget& root) {
  if (auto* label = dynamic_cast<Gtk::Label*>(&root)) return label->get_text();
  for (Gtk::Widget* child = root.get_first_child(); child; child = child->get_next_sibling()) {
    if (std::string text = firstLabelText(*child); !text.empty()) return text;
  }
  return {};
}

bool isShown(const Gtk::Widget& widget) {
  for (const Gtk::Widget* at = &widget; at; at = at->get_parent()) {
    if (!at->get_visible()) return false;
    const auto* stack = dynamic_cast<const Gtk::Stack*>(at->get_parent());
    if (stack && stack->get_visible_child() != at) return false;
  }
  return true;
}

bool hasFocusWithin(Gtk::Window& window, Gtk::Widget& widget) {
  Gtk::Widget* focus = window.get_focus();
  return focus && (focus == &widget || focus->is_ancestor(widget));
}

void click(Gtk::Widget& button) {
  g_signal_emit_by_name(button.gobj(), "clicked");
}

void pressEnter(Gtk::Widget& entry) {
  g_signal_emit_by_name(entry.gobj(), "activate");
}

void screenshot(const std::string& name) {
  const char* folder = std::getenv("ONDI_SCREENSHOT_DIR");
  if (!folder) return;
  waitForPaint();
  const std::string command = "import -window root " + std::string(folder) + "/" + name + ".png";
  g_spawn_command_line_sync(command.c_str(), nullptr, nullptr, nullptr, nullptr);
}

std::string runScript(ondi::DesktopBrowserModel& model, const std::string& script) {
  std::optional<ondi::ScriptResult> result;
  model.surfaceWebView().evaluateJavaScript(script,
                                            [&](ondi::ScriptResult answer) { result = answer; });
  EXPECT_TRUE(waitUntil([&] { return result.has_value(); }));
  return result && *result ? **result : "";
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
  return runMainLoopUntil(condition, std::chrono::milliseconds(milliseconds));
}

bool signUp(ondi::DesktopBrowserModel& model) {
  const std::string password = "correct horse battery staple";
  model.submitPasswordAuthentication(ondi::DesktopAuthIntent::signUp, "Ada Lovelace",
                                     "ada@example.com", password, password);
  return waitUntil([&] { return model.account.workspaceSessionState.get().isAuthenticated(); });
}

Gtk::Window* waitForMicrophoneQuestion(int milliseconds) {
  Gtk::Window* question = nullptr;
  waitUntil(
      [&] {
        for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
          if (window->get_name() == "microphone-question" && window->get_visible()) {
            question = window;
          }
        }
        return question != nullptr;
      },
      milliseconds);
  return question;
}

bool answerMicrophoneQuestion(bool allow, int milliseconds) {
  Gtk::Window* question = waitForMicrophoneQuestion(milliseconds);
  if (!question) return false;
  click(*findNamed(*question, allow ? "microphone-question.allow" : "microphone-question.deny"));
  return true;
}

bool waitForPaint() {
  struct Frame {
    Glib::RefPtr<Gdk::FrameClock> clock;
    gulong handler = 0;
    bool painted = false;
  };
  std::list<Frame> frames;
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    auto clock = window->get_mapped() ? window->get_frame_clock() : nullptr;
    if (!clock) continue;
    Frame& frame = frames.emplace_back(Frame{clock});
    frame.handler = g_signal_connect(
        clock->gobj(), "after-paint",
        G_CALLBACK(+[](GdkFrameClock*, gpointer painted) { *static_cast<bool*>(painted) = true; }),
        &frame.painted);
    window->queue_draw();
  }
  const bool done = waitUntil([&] { return std::ranges::all_of(frames, &Frame::painted); });
  for (Frame& frame : frames) g_signal_handler_disconnect(frame.clock->gobj(), frame.handler);
  return done;
}

ApplicationTest::ApplicationTest() {
  const std::string base = "http://127.0.0.1:" + std::to_string(closedLoopbackPort());
  g_setenv("VELMORA_API_BASE_URL", base.c_str(), TRUE);
}

ApplicationTest::~ApplicationTest() {
  g_unsetenv("VELMORA_API_BASE_URL");
}

void ApplicationTest::runApplication(Check check) {
  auto application = ui::OndiApplication::create(Gio::Application::Flags::NON_UNIQUE);
  std::unique_ptr<platform::DesktopComposition> composition;
  application->signal_startup().connect([&] {
    composition = std::make_unique<platform::DesktopComposition>(platform::DesktopFolders{
        folder.path() / "config", folder.path() / "data", folder.path() / "cache"});
    application->attach(composition->model, composition->logger, composition->scheduler);
  });
  application->signal_shutdown().connect([&] { composition.reset(); });
  Glib::signal_idle().connect_once([&] {
    DesktopBrowserModel& model = composition->model;
    const bool launched = waitUntil(
        [&] {
          const ui::MainWindow* window = application->mainWindow();
          return window && window->get_mapped() &&
                 model.account.workspaceSessionState.get().kind() !=
                     WorkspaceSessionState::Kind::checking &&
                 !model.account.isWorkspaceSessionRefreshInFlight;
        },
        15000);
    EXPECT_TRUE(launched) << "the main window shows and the first session check ends";
    if (launched) check(*application, model);
    // A request still running when the adapters go away would answer into freed objects.
    EXPECT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    application->quit();
  });
  application->run(0, nullptr);
}
