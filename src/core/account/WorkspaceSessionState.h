#pragma once

#include <string>

namespace ondi {

struct WorkspaceIdentity {
  std::string id;
  std::string name;
  std::string email;
  std::string authProvider;

  bool operator==(const WorkspaceIdentity&) const = default;
};

// The model's view of the account: confirmed, unreachable, being checked, or signed out.
class WorkspaceSessionState {
 public:
  enum class Kind { authenticated, unavailable, checking, signedOut };

  static WorkspaceSessionState authenticated(WorkspaceIdentity identity) {
    return {Kind::authenticated, std::move(identity), {}};
  }
  static WorkspaceSessionState unavailable(std::string message) {
    return {Kind::unavailable, {}, std::move(message)};
  }
  static WorkspaceSessionState checking() { return {Kind::checking, {}, {}}; }
  static WorkspaceSessionState signedOut() { return {Kind::signedOut, {}, {}}; }

  Kind kind() const { return kind_; }
  bool isAuthenticated() const { return kind_ == Kind::authenticated; }
  // The confirmed identity; empty fields unless authenticated.
  const WorkspaceIdentity& identity() const { return identity_; }
  // The reason shown while unavailable.
  const std::string& message() const { return message_; }

  bool operator==(const WorkspaceSessionState&) const = default;

 private:
  WorkspaceSessionState(Kind kind, WorkspaceIdentity identity, std::string message)
      : kind_(kind), identity_(std::move(identity)), message_(std::move(message)) {}
  Kind kind_;
  WorkspaceIdentity identity_;
  std::string message_;
};

}  // namespace ondi
