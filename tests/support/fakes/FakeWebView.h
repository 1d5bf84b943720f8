#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/WebView.h"

namespace ondi::fakes {

// A web view without an engine: it records what it is asked to load, reports whatever
// state the test sets, and lets the test fire the events a page would cause.
class FakeWebView final : public WebView {
 public:
  struct State {
    std::string url;
    std::string title;
    bool canGoBack = false;
    bool canGoForward = false;
    bool isLoading = false;
  };
  struct Load {
    std::string address;  // the URL, or the base URL of an HTML load
    std::string html;
    std::optional<std::chrono::milliseconds> timeout;
    LoadCachePolicy cachePolicy = LoadCachePolicy::useProtocolCachePolicy;
  };

  explicit FakeWebView(WebViewConfiguration configuration, int* destroyedWhileLoading = nullptr)
      : configuration(std::move(configuration)),
        backgroundColor(this->configuration.backgroundColor),
        destroyedWhileLoading_(destroyedWhileLoading) {}
  ~FakeWebView() override {
    if (destroyedWhileLoading_ && state.isLoading) ++*destroyedWhileLoading_;
  }

  const WebViewConfiguration configuration;
  State state;
  std::vector<Load> htmlLoads;
  std::vector<std::string> scripts;
  bool handlersRemoved = false;
  std::vector<Load> urlLoads;
  std::string backgroundColor;

  void setDelegate(WebViewDelegate* delegate) override { delegate_ = delegate; }
  NativeWidget* nativeWidget() const override { return nullptr; }
  // Both loads take the new address at once, as the engine reports it from the start.
  void loadHTML(const std::string& html, const std::string& baseURL) override {
    htmlLoads.push_back({baseURL, html, std::nullopt});
    state.url = baseURL;
    state.isLoading = true;
  }
  void loadURL(const std::string& url, std::optional<std::chrono::milliseconds> timeout,
               LoadCachePolicy cachePolicy) override {
    urlLoads.push_back({url, {}, timeout, cachePolicy});
    state.url = url;
    state.isLoading = true;
  }
  // History and reloading are not simulated: tests set the state they need directly.
  void reload() override {}
  void goBack() override {}
  void goForward() override {}
  void stopLoading() override { state.isLoading = false; }
  bool canGoBack() const override { return state.canGoBack; }
  bool canGoForward() const override { return state.canGoForward; }
  bool isLoading() const override { return state.isLoading; }
  std::string url() const override { return state.url; }
  std::string title() const override { return state.title; }
  void setBackgroundColor(const std::string& cssColor) override { backgroundColor = cssColor; }
  void removeScriptMessageHandlers() override { handlersRemoved = true; }
  // Scripts are not run; a test answers those that wait for a result with `answer`.
  void evaluateJavaScript(const std::string& script,
                          std::function<void(ScriptResult)> completion) override {
    scripts.push_back(script);
    if (completion) waiting.push_back({script, std::move(completion)});
  }
  // Asynchronous function bodies wait with the scripts, so `answer` settles them too.
  void callAsyncJavaScript(const std::string& functionBody,
                           std::function<void(ScriptResult)> completion) override {
    asyncFunctionBodies.push_back(functionBody);
    if (completion) waiting.push_back({functionBody, std::move(completion)});
  }
  std::vector<std::string> asyncFunctionBodies;
  // Answers the oldest script still waiting whose text contains `marker` with `result`.
  bool answer(const std::string& marker, ScriptResult result) {
    for (auto it = waiting.begin(); it != waiting.end(); ++it) {
      if (it->first.find(marker) == std::string::npos) continue;
      auto completion = std::move(it->second);
      waiting.erase(it);
      completion(std::move(result));
      return true;
    }
    return false;
  }
  std::vector<std::pair<std::string, std::function<void(ScriptResult)>>> waiting;

  // Events of the page, delivered to the delegate.
  NavigationDecision navigate(const std::string& url, std::optional<bool> targetFrameIsMain = true,
                              bool isUserGesture = true) {
    return delegate().decideNavigationPolicy(*this, {url, targetFrameIsMain, isUserGesture});
  }
  void requestNewWindow(const std::string& url, bool isUserGesture = true) {
    delegate().newWindowRequested(*this, {url, std::nullopt, isUserGesture});
  }
  void finishNavigation() { delegate().navigationFinished(*this); }
  void receiveScriptMessage(const ScriptMessage& message) {
    delegate().scriptMessageReceived(*this, message);
  }

 private:
  WebViewDelegate& delegate() {
    if (!delegate_) throw std::logic_error("the web view has no delegate");
    return *delegate_;
  }
  WebViewDelegate* delegate_ = nullptr;
  int* destroyedWhileLoading_;
};

// Remembers every view it makes, in order, so tests can reach them; the caller owns each
// view, so a pointer here is valid only while its owner keeps the view.
class FakeWebViewFactory final : public WebViewFactory {
 public:
  std::unique_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) override {
    auto view = std::make_unique<FakeWebView>(configuration, &destroyedWhileLoading);
    made.push_back(view.get());
    return view;
  }

  std::vector<FakeWebView*> made;
  // Views whose owner let them go while they were still loading.
  int destroyedWhileLoading = 0;
};

}  // namespace ondi::fakes
