#pragma once

#include "http/Response.h"

namespace ondi::server {

// What a browser opening a control page it may not see is shown instead.
Response runnerSignInPage();
Response runnerNotFoundPage();

}  // namespace ondi::server
