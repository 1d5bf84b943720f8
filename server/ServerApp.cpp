#include "ServerApp.h"

#include <cstdio>
#include <exception>
#include <string>

#include "DataDirectory.h"
#include "StopSignals.h"
#include "db/Database.h"
#include "db/Migrations.h"
#include "http/HttpServer.h"
#include "http/Router.h"
#include "routes/AuthRoutes.h"
#include "routes/TestRoutes.h"

namespace {

constexpr char kDatabaseFileName[] = "ondi.sqlite3";

std::string listeningUrl(const std::string& host, unsigned port) {
  const bool ipv6 = host.find(':') != std::string::npos;
  return "http://" + (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

Database openDatabase(const std::filesystem::path& directory) {
  createDataDirectory(directory);
  Database database = Database::open(directory / kDatabaseFileName);
  const int applied = migrate(database, schemaMigrations());
  std::fprintf(stderr, "Database %s at schema version %d (%d step%s applied)\n",
               (directory / kDatabaseFileName).c_str(), schemaVersion(database), applied,
               applied == 1 ? "" : "s");
  return database;
}

Router buildRouter(const ServerOptions& options) {
  Router router;
  addAuthRoutes(router);
  if (options.testRoutes) addTestRoutes(router);
  return router;
}

}  // namespace

int runServer(const ServerOptions& options) {
  try {
    StopSignals stopSignals;
    // Open while the server runs, and closed after it has stopped.
    Database database = openDatabase(options.dataDirectory);
    const Router router = buildRouter(options);
    HttpServer server(router);
    server.listen(options.host, options.port);
    std::printf("ondi-server listening on %s\n", listeningUrl(options.host, server.port()).c_str());
    std::fflush(stdout);
    stopSignals.serveUntilSignalled();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ondi-server: %s\n", error.what());
    return 1;
  }
  return 0;
}
