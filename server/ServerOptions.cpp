#include "ServerOptions.h"

#include <charconv>
#include <optional>

namespace {

constexpr unsigned kMaxPort = 65535;

struct Flag {
  std::string_view name;
  std::optional<std::string_view> inlineValue;
};

// "--name=value" carries its value inline; "--name" may take the next argument.
Flag splitFlag(std::string_view argument) {
  const std::size_t equals = argument.find('=');
  if (equals == std::string_view::npos) return {argument, std::nullopt};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

std::optional<unsigned> parsePort(std::string_view text) {
  unsigned port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || port > kMaxPort) {
    return std::nullopt;
  }
  return port;
}

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

std::expected<ServerOptions, std::string> parseServerOptions(
    std::span<const std::string_view> arguments) {
  ServerOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Flag flag = splitFlag(arguments[i]);
    const bool switchFlag = flag.name == "--help" || flag.name == "--test-routes";
    const bool valueFlag = flag.name == "--host" || flag.name == "--port" || flag.name == "--data";
    if (!switchFlag && !valueFlag) {
      const std::string kind =
          arguments[i].starts_with("-") ? "Unknown option " : "Unexpected argument ";
      return std::unexpected(kind + quoted(arguments[i]) +
                             "; run ondi-server --help for the options.");
    }
    if (switchFlag) {
      if (flag.inlineValue) {
        return std::unexpected("The option " + std::string(flag.name) + " takes no value.");
      }
      (flag.name == "--help" ? options.showHelp : options.testRoutes) = true;
      continue;
    }

    std::optional<std::string_view> value = flag.inlineValue;
    if (!value && i + 1 < arguments.size()) value = arguments[++i];
    if (!value || value->empty()) {
      return std::unexpected("The option " + std::string(flag.name) + " needs a value.");
    }
    if (flag.name == "--host") {
      options.host = *value;
    } else if (flag.name == "--data") {
      options.dataDirectory = *value;
    } else if (const auto port = parsePort(*value)) {
      options.port = *port;
    } else {
      return std::unexpected("The port must be a number from 0 to 65535, not " + quoted(*value) +
                             ".");
    }
  }
  return options;
}

std::string_view serverUsage() {
  return "Usage: ondi-server [options]\n"
         "Serves a local stand-in of the Ondi service.\n"
         "\n"
         "  --host HOST     address or name to listen on (default 127.0.0.1)\n"
         "  --port PORT     port to listen on, 0 for any free port (default 8787)\n"
         "  --data DIR      folder of the database (default $XDG_DATA_HOME/ondi-server)\n"
         "  --test-routes   also serve the routes under /api/test/ that tests use\n"
         "  --help          show this help\n";
}
