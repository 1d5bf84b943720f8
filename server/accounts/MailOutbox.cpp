#include "accounts/MailOutbox.h"

#include <cstdio>

namespace ondi::server {

void MailOutbox::sendVerificationLink(std::string_view email, std::string_view token) const {
  std::fprintf(
      stderr,
      "Mail to %.*s: verify your Ondi account at %s/auth.html?mode=verify-email&token=%.*s\n",
      static_cast<int>(email.size()), email.data(), serviceUrl_.c_str(),
      static_cast<int>(token.size()), token.data());
}

void MailOutbox::sendAccountExistsNotice(std::string_view email) const {
  std::fprintf(stderr,
               "Mail to %.*s: someone tried to create an Ondi account with this address, which "
               "already has one; log in instead.\n",
               static_cast<int>(email.size()), email.data());
}

}  // namespace ondi::server
