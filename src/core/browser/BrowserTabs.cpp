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

bool BrowserTabs::remove(const std::string& id) {
  const auto found = std::ranges::find_if(sessions_, [&](const auto& s) { return s.id == id; });
  if (found == sessions_.end() || sessions_.size() < 2) return false;
  const bool wasSelected = selectedBrowserTabID.get() == id;
  const auto index = static_cast<std::size_t>(found - sessions_.begin());
  sessions_.erase(found);
  if (!wasSelected) return false;
  selectedBrowserTabID.set(sessions_[std::min(index, sessions_.size() - 1)].id);
  return true;
}

BrowserTabSession& BrowserTabs::selectedSession() {
  return sessions_[selectedIndex()];
}

const BrowserTabSession& BrowserTabs::selectedSession() const {
  return sessions_[selectedIndex()];
}

std::size_t BrowserTabs::selectedIndex() const {
  assert(!sessions_.empty());
  const auto& selected = selectedBrowserTabID.get();
  const auto found =
      std::ranges::find_if(sessions_, [&](const auto& s) { return selected && s.id == *selected; });
  return found != sessions_.end() ? static_cast<std::size_t>(found - sessions_.begin()) : 0;
}

BrowserTabSession* BrowserTabs::session(const std::string& id) {
  const auto found = std::ranges::find_if(sessions_, [&](const auto& s) { return s.id == id; });
  return found != sessions_.end() ? &*found : nullptr;
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
