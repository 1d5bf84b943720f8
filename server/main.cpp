#include <cstdio>
#include <string_view>
#include <vector>

#include "DataDirectory.h"
#include "ServerApp.h"
#include "ServerOptions.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  auto options = ondi::server::parseServerOptions(arguments);
  if (!options) {
    std::fprintf(stderr, "ondi-server: %s\n", options.error().c_str());
    return kUsageError;
  }
  if (options->showHelp) {
    const std::string_view usage = ondi::server::serverUsage();
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return 0;
  }
  if (options->dataDirectory.empty()) options->dataDirectory = ondi::server::defaultDataDirectory();
  return ondi::server::runServer(*options);
}
