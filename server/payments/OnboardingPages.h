#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// The stand-in of the card issuer's hosted onboarding: one button that completes the simulated
// identity and funding-bank checks, posting the link back.
std::string onboardingPage(std::string_view email, std::string_view link);
// What the page shows once onboarding is done.
std::string onboardingDonePage(std::string_view cardLast4);
// A link that is unknown, used or expired; the sentence says which.
std::string onboardingLinkProblemPage(std::string_view problem);

}  // namespace ondi::server
