#include "auth/GoogleIdentity.h"

#include "crypto/Digest.h"

namespace ondi::server {
namespace {

constexpr char kTestPersonName[] = "Test Person";
constexpr std::size_t kSubjectHexDigits = 24;

}  // namespace

GoogleIdentity standInGoogleIdentity(const AuthSettings& settings) {
  return GoogleIdentity{
      .name = kTestPersonName,
      .email = settings.googleIdentityEmail,
      .subject = "stand-in-" + sha256Hex(settings.googleIdentityEmail).substr(0, kSubjectHexDigits),
  };
}

}  // namespace ondi::server
