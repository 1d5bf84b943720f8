#pragma once

namespace ondi {

// Well-known web addresses outside the service.
struct WebDestinations {
  // Google's web mail inbox of the first signed-in account.
  static constexpr const char* gmailInbox = "https://mail.google.com/mail/u/0/#inbox";
  static constexpr const char* googleSearchHome = "https://www.google.com/";
  static constexpr const char* googleSearch = "https://www.google.com/search";
  static constexpr const char* gmailHost = "mail.google.com";
  static constexpr const char* googleDriveHost = "drive.google.com";
};

}  // namespace ondi
