#include "core/browser/BrowserTabs.h"

#include <algorithm>
#include <cassert>

namespace ondi {

BrowserTabSession& BrowserTabs::append(BrowserTabSession session) {
  sessions_.push_back(std::move(session));
  selectedBrowserTabID.set(sessions_.back().id);
  refreshSnapshots();
  return sessions_.back();
}

bool BrowserTabs::select(const std::string& id) {
  const bool known = std::ranges::any_of(sessions_, [&](const auto& s) { return s.id == id; });
  if (known) selectedBrowserTabID.set(id);
  return known;
}

BrowserTabSession& BrowserTabs::selectedSession() {
  assert(!sessions_.empty());
  const auto& selected = selectedBrowserTabID.get();
  const auto found =
      std::ranges::find_if(sessions_, [&](const auto& s) { return selected && s.id == *selected; });
  return found != sessions_.end() ? *found : sessions_.front();
}

BrowserTabSession* BrowserTabs::sessionFor(const WebView& view) {
  const auto found =
      std::ranges::find_if(sessions_, [&](const auto& s) { return s.webView.get() == &view; });
  return found != sessions_.end() ? &*found : nullptr;
}

void BrowserTabs::refreshSnapshots() {
  std::vector<BrowserTabSnapshot> snapshots;
  snapshots.reserve(sessions_.size());
  for (const auto& session : sessions_) snapshots.push_back(session.snapshot());
  browserTabs.set(std::move(snapshots));
}

void BrowserTabs::refreshSnapshot(const WebView& view) {
  const BrowserTabSession* session = sessionFor(view);
  if (!session) return;
  auto snapshots = browserTabs.get();
  for (auto& snapshot : snapshots) {
    if (snapshot.id == session->id) snapshot = session->snapshot();
  }
  browserTabs.set(std::move(snapshots));
}

}  // namespace ondi
