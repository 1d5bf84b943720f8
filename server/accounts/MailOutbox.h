#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// Stands in for the service's outgoing mail: each message is one line on stderr, where a
// developer or a test reads it.
class MailOutbox {
 public:
  // The address links in messages start with; known once the server listens.
  void setServiceUrl(std::string url) { serviceUrl_ = std::move(url); }

  // The one-time link that confirms the address. The token appears in this line and nowhere else.
  void sendVerificationLink(std::string_view email, std::string_view token) const;

  // Tells the owner of an address that someone tried to create a second account with it.
  void sendAccountExistsNotice(std::string_view email) const;

 private:
  std::string serviceUrl_;
};

}  // namespace ondi::server
