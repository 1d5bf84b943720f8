#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/navigation/NavigationState.h"
#include "core/navigation/RouteNavigation.h"
#include "core/origin/ServiceOrigin.h"
#include "core/surface/SurfaceHost.h"
#include "core/util/Lifetime.h"

namespace ondi {

class BrowserWorkspaceController;
class PackWorkspaceController;
class Logger;
class Scheduler;
class WorkspaceHosts;

// Where the user is: the active route, and what the toolbar shows of the page in front. The
// only writer of the navigation state; the surface and the in-app browser report to it.
class Navigator final : public RouteNavigation, public SurfaceHost::Client {
 public:
  struct Dependencies {
    const ServiceOrigin& origin;
    const WorkspaceHosts& hosts;
    SurfaceHost& surface;
    BrowserWorkspaceController& browser;
    Scheduler& scheduler;
    Logger& logger;
    PackWorkspaceController& packWorkspace;
    // Asks the service again who is signed in.
    std::function<void()> refreshSession;
    // Sets up a page the surface finished loading: the model it uses, the pack it serves,
    // the prompt waiting for it.
    std::function<void()> setUpLoadedSurfacePage;
    // Shows the voice console in the surface, at the address the environment may choose.
    std::function<void()> loadRealtimeVoiceAgent;
  };

  explicit Navigator(Dependencies dependencies) : deps_(std::move(dependencies)) {}
  Navigator(const Navigator&) = delete;
  Navigator& operator=(const Navigator&) = delete;

  const NavigationState& state() const override { return state_; }

  void load(const VelmoraRoute& route) override;
  // Shows the route without loading anything; the address and title follow on a later turn.
  void show(const VelmoraRoute& route) override {
    state_.activeRoute.set(route);
    updateState(nullptr);
  }
  void showAddress(const std::string& url) override { state_.currentURLString.set(url); }
  void updateState(const WebView* view) override;
  void webViewDidFinishLoading(const WebView& view) override;

  // Loads an address into the surface.
  void loadURL(const std::string& url) override;
  void loadDesktopChat();
  // Back to the agent route; the surface keeps the chat it holds, else loads it.
  void showTask();
  // The agent chat in the surface, then the in-app browser, so that it shows beside the task.
  void openBrowserBesideTask();
  void reload();
  void goBack() { activeWebView().goBack(); }
  void goForward() { activeWebView().goForward(); }
  std::optional<std::string> currentPageURL() const override;

  void openInAppBrowserTab(const std::string& url) override;

 private:
  // A web view named for a later turn: none, the surface, or a tab's.
  struct ViewReference {
    bool any;
    std::optional<std::string> tabID;
  };
  void refresh(const ViewReference& reference);
  WebView& activeWebView();
  bool showsBrowserWorkspace() const {
    return state_.activeRoute.get().kind() == VelmoraRoute::Kind::browserWorkspace;
  }

  Dependencies deps_;
  NavigationState state_;
  Lifetime lifetime_;
};

}  // namespace ondi
