#pragma once

#include <expected>
#include <string>
#include <variant>

namespace ondi {

// An HTTP answer of the service, whatever its status; callers decide what a status means.
struct DesktopAPIResponse {
  std::string data;
  int statusCode = 0;
};

class DesktopAPIRequestError {
 public:
  enum class Kind { server, invalidURL, invalidResponse, transport };

  static DesktopAPIRequestError server(std::string message) {
    return {Kind::server, std::move(message)};
  }
  static DesktopAPIRequestError invalidURL() { return {Kind::invalidURL, {}}; }
  static DesktopAPIRequestError invalidResponse() { return {Kind::invalidResponse, {}}; }
  // A failure of the transport itself, carried through with the platform's description.
  static DesktopAPIRequestError transport(std::string message) {
    return {Kind::transport, std::move(message)};
  }

  Kind kind() const { return kind_; }
  std::string description() const;

 private:
  DesktopAPIRequestError(Kind kind, std::string message)
      : kind_(kind), message_(std::move(message)) {}
  Kind kind_;
  std::string message_;
};

using DesktopAPIResult = std::expected<DesktopAPIResponse, DesktopAPIRequestError>;

}  // namespace ondi
