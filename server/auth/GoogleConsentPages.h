#pragma once

#include <string>
#include <string_view>

#include "auth/GoogleIdentity.h"

namespace ondi::server {

// The consent page of the Google stand-in: who would be signed in, and a form that posts the
// request id with the choice "continue" (button id "continue") or "cancel" (button id "cancel")
// to /api/auth/google/consent.
std::string googleConsentPage(const GoogleIdentity& identity, std::string_view intent,
                              std::string_view requestId);

// A page that explains why the stand-in cannot go on.
std::string googleProblemPage(std::string_view message);

}  // namespace ondi::server
