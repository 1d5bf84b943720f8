#pragma once

#include "ServerOptions.h"

namespace ondi::server {

// Opens the data folder and its database, serves until SIGINT or SIGTERM, then closes
// everything. Returns the process exit status: 0 after a clean stop, 1 when starting failed.
int runServer(const ServerOptions& options);

}  // namespace ondi::server
