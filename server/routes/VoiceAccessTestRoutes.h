#pragma once

namespace ondi::server {

class AccountStore;
class Router;
class VoiceAccessSwitch;

// "POST /api/test/voice-access" {"email", "access": "plan", "upgrade", "unavailable" or
// "failing", "reason" (optional, at most 240 characters), "status" (400 to 599, for "failing"
// only)} sets what "/api/voice/status" answers for that account; "plan" returns it to what the
// account's plan gives. Registered only with --test-routes.
void addVoiceAccessTestRoutes(Router& router, AccountStore& accounts, VoiceAccessSwitch& access);

}  // namespace ondi::server
