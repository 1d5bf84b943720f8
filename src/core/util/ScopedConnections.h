#pragma once

#include <sigc++/connection.h>

#include <vector>

namespace ondi {

// Holds signal connections and ends them all when it goes, so that a slot capturing its
// owner never runs after the owner is gone. Members come last in their owner, so they go
// first.
class ScopedConnections {
 public:
  ScopedConnections() = default;
  ScopedConnections(const ScopedConnections&) = delete;
  ScopedConnections& operator=(const ScopedConnections&) = delete;
  ~ScopedConnections() { clear(); }

  void add(sigc::connection connection) { connections_.push_back(std::move(connection)); }
  // Ends every connection now, for owners whose slots must stop before they themselves go.
  void clear() {
    for (auto& connection : connections_) connection.disconnect();
    connections_.clear();
  }

 private:
  std::vector<sigc::connection> connections_;
};

}  // namespace ondi
