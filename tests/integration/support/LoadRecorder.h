#pragma once

#include "core/ports/WebView.h"

// A delegate that lets every navigation through and counts finished loads.
class LoadRecorder final : public ondi::WebViewDelegate {
 public:
  int finished = 0;

  ondi::NavigationDecision decideNavigationPolicy(ondi::WebView&,
                                                  const ondi::NavigationAction&) override {
    return ondi::NavigationDecision::allow;
  }
  void newWindowRequested(ondi::WebView&, const ondi::NavigationAction&) override {}
  void navigationStarted(ondi::WebView&) override {}
  void navigationCommitted(ondi::WebView&) override {}
  void navigationFinished(ondi::WebView&) override { ++finished; }
  void navigationFailed(ondi::WebView&, const std::string&, const std::string&) override {
    ++finished;
  }
  void navigationCancelled(ondi::WebView&) override {}
  void mediaCaptureRequested(ondi::WebView&, const std::string&, ondi::MediaCaptureKind,
                             std::function<void(bool)> decide) override {
    decide(false);
  }
};
