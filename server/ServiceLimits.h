#pragma once

namespace ondi::server {

// How much one client, e-mail address or account may ask of the server, so that nobody can make
// it hash passwords, store rows or hold requests without end. Each limit is a command-line option,
// so that a test suite that signs in often can raise it.
struct ServiceLimits {
  // Password sign-ins and sign-ups one client address may attempt per minute.
  unsigned clientSignInsPerMinute = 30;
  // Failed sign-ins one e-mail address may take per 15 minutes; after that even the right
  // password waits for the window to end.
  unsigned addressSignInFailures = 10;
  // Google sign-ins that may wait on the consent page at one time.
  unsigned pendingGoogleSignIns = 100;
  // Conversation threads one account may keep.
  unsigned threadsPerAccount = 500;
};

}  // namespace ondi::server
