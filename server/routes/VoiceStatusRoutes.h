#pragma once

namespace ondi::server {

class Router;
class VoiceAccessSwitch;
struct AccountServices;

// "GET /api/voice/status": whether the signed-in account may start a realtime voice huddle. A
// request without a session is answered 200 with "realtimeAuthRequired" true, so that the client
// asks the user to sign in.
void addVoiceStatusRoutes(Router& router, AccountServices& services,
                          const VoiceAccessSwitch& access);

}  // namespace ondi::server
