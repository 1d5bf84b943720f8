#pragma once

#include <string>

namespace ondi {

// Where the run monitor stands: a failure with its sentence, or one of the plain states.
class ConnectionState {
 public:
  enum class Kind { failed, discovering, waiting, live, paused, signInRequired };

  static ConnectionState failed(std::string message) { return {Kind::failed, std::move(message)}; }
  static ConnectionState discovering() { return {Kind::discovering, {}}; }
  static ConnectionState waiting() { return {Kind::waiting, {}}; }
  static ConnectionState live() { return {Kind::live, {}}; }
  static ConnectionState paused() { return {Kind::paused, {}}; }
  static ConnectionState signInRequired() { return {Kind::signInRequired, {}}; }

  Kind kind() const { return kind_; }
  // The failure's sentence; empty otherwise.
  const std::string& message() const { return message_; }

  bool operator==(const ConnectionState&) const = default;

 private:
  ConnectionState(Kind kind, std::string message) : kind_(kind), message_(std::move(message)) {}
  Kind kind_;
  std::string message_;
};

}  // namespace ondi
