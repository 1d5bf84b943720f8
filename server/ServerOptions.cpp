#include "ServerOptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "accounts/EmailAddress.h"
#include "messaging/RelayAddress.h"

namespace ondi::server {
namespace {

constexpr unsigned kMaxPort = 65535;
constexpr unsigned kMinPasswordLength = 8;
constexpr unsigned kMaxPasswordLength = 128;
constexpr unsigned kMaxFreeTurnLimit = 100000;
constexpr unsigned kMaxServiceLimit = 1000000;
constexpr unsigned kMaxTopupSettleSeconds = 7 * 24 * 60 * 60;

struct Flag {
  std::string_view name;
  std::optional<std::string_view> inlineValue;
};

// An option without a value, and what it turns on or off.
struct Switch {
  std::string_view name;
  void (*apply)(ServerOptions&);
};

// An option with a value; apply returns the problem with the value, if any.
struct ValueOption {
  std::string_view name;
  std::optional<std::string> (*apply)(ServerOptions&, std::string_view);
};

// "--name=value" carries its value inline; "--name" may take the next argument.
Flag splitFlag(std::string_view argument) {
  const std::size_t equals = argument.find('=');
  if (equals == std::string_view::npos) return {argument, std::nullopt};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

std::optional<unsigned> parseNumber(std::string_view text, unsigned low, unsigned high) {
  unsigned number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < low ||
      number > high) {
    return std::nullopt;
  }
  return number;
}

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// Sets one of the service limits; "what" names it in the sentence that refuses a bad value.
std::optional<std::string> setLimit(unsigned& limit, std::string_view what,
                                    std::string_view value) {
  const auto number = parseNumber(value, 1, kMaxServiceLimit);
  if (!number) {
    return "The " + std::string(what) + " must be a number from 1 to 1000000, not " +
           quoted(value) + ".";
  }
  limit = *number;
  return std::nullopt;
}

constexpr std::array kSwitches{
    Switch{"--help", [](ServerOptions& options) { options.showHelp = true; }},
    Switch{"--test-routes", [](ServerOptions& options) { options.testRoutes = true; }},
    Switch{"--no-google", [](ServerOptions& options) { options.auth.googleEnabled = false; }},
    Switch{"--no-email-password",
           [](ServerOptions& options) { options.auth.emailPasswordEnabled = false; }},
    Switch{"--require-email-verification",
           [](ServerOptions& options) { options.auth.emailVerificationRequired = true; }},
    Switch{"--openai-test-endpoint",
           [](ServerOptions& options) { options.openAiTestEndpoint = true; }},
};

constexpr std::array kValueOptions{
    ValueOption{"--host",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  options.host = value;
                  return std::nullopt;
                }},
    ValueOption{"--data",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  options.dataDirectory = value;
                  return std::nullopt;
                }},
    ValueOption{"--port",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto port = parseNumber(value, 0, kMaxPort);
                  if (!port) {
                    return "The port must be a number from 0 to 65535, not " + quoted(value) + ".";
                  }
                  options.port = *port;
                  return std::nullopt;
                }},
    ValueOption{"--tls-port",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto port = parseNumber(value, 0, kMaxPort);
                  if (!port) {
                    return "The TLS port must be a number from 0 to 65535, not " + quoted(value) +
                           ".";
                  }
                  options.securePort = *port;
                  return std::nullopt;
                }},
    ValueOption{"--connector-broker",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto mode = brokerMode(value);
                  if (!mode) {
                    return "The connector broker must be \"ready\", \"not-configured\" or "
                           "\"unavailable\", not " +
                           quoted(value) + ".";
                  }
                  options.connectorBroker = *mode;
                  return std::nullopt;
                }},
    ValueOption{"--agent-payments",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  if (value != "available" && value != "unavailable") {
                    return "Agent payments must be \"available\" or \"unavailable\", not " +
                           quoted(value) + ".";
                  }
                  options.agentPaymentsAvailable = value == "available";
                  return std::nullopt;
                }},
    ValueOption{"--topup-settle-seconds",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto seconds = parseNumber(value, 0, kMaxTopupSettleSeconds);
                  if (!seconds) {
                    return "The top-up settling time must be a number of seconds from 0 to "
                           "604800, not " +
                           quoted(value) + ".";
                  }
                  options.topupSettleSeconds = *seconds;
                  return std::nullopt;
                }},
    ValueOption{"--agent-phone",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto mode = agentPhoneMode(value);
                  if (!mode) {
                    return "The agent phone must be \"ready\", \"setup-required\" or "
                           "\"not-found\", not " +
                           quoted(value) + ".";
                  }
                  options.agentPhone = *mode;
                  return std::nullopt;
                }},
    ValueOption{"--phone-calls-per-hour",
                [](ServerOptions& options, std::string_view value) {
                  return setLimit(options.phoneCallsPerHour, "phone call limit", value);
                }},
    ValueOption{"--messaging-relay-address",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  auto address = relayAddress(value);
                  if (!address) {
                    return "The messaging relay address must be an e-mail address or a phone "
                           "number such as +15550100199, not " +
                           quoted(value) + ".";
                  }
                  options.messagingRelayAddress = std::move(*address);
                  return std::nullopt;
                }},
    ValueOption{"--relay-heartbeat-file",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  options.relayHeartbeatFile = value;
                  return std::nullopt;
                }},
    ValueOption{"--password-min-length",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto length = parseNumber(value, kMinPasswordLength, kMaxPasswordLength);
                  if (!length) {
                    return "The minimum password length must be a number from 8 to 128, not " +
                           quoted(value) + ".";
                  }
                  options.auth.passwordMinimumLength = *length;
                  return std::nullopt;
                }},
    ValueOption{"--google-identity",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const std::string email = normalizedEmail(value);
                  if (!isEmailAddress(email)) {
                    return "The Google identity must be an email address, not " + quoted(value) +
                           ".";
                  }
                  options.auth.googleIdentityEmail = email;
                  return std::nullopt;
                }},
    ValueOption{"--free-turn-limit",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  const auto limit = parseNumber(value, 1, kMaxFreeTurnLimit);
                  if (!limit) {
                    return "The free turn limit must be a number from 1 to 100000, not " +
                           quoted(value) + ".";
                  }
                  options.freeTurnLimit = *limit;
                  return std::nullopt;
                }},
    ValueOption{"--client-sign-in-limit",
                [](ServerOptions& options, std::string_view value) {
                  return setLimit(options.limits.clientSignInsPerMinute, "client sign-in limit",
                                  value);
                }},
    ValueOption{"--address-sign-in-limit",
                [](ServerOptions& options, std::string_view value) {
                  return setLimit(options.limits.addressSignInFailures, "address sign-in limit",
                                  value);
                }},
    ValueOption{"--pending-google-limit",
                [](ServerOptions& options, std::string_view value) {
                  return setLimit(options.limits.pendingGoogleSignIns, "pending Google limit",
                                  value);
                }},
    ValueOption{"--thread-limit",
                [](ServerOptions& options, std::string_view value) {
                  return setLimit(options.limits.threadsPerAccount, "thread limit", value);
                }},
    ValueOption{"--openai-test-key",
                [](ServerOptions& options, std::string_view value) -> std::optional<std::string> {
                  options.openAiTestKey = value;
                  return std::nullopt;
                }},
};

}  // namespace

std::expected<ServerOptions, std::string> parseServerOptions(
    std::span<const std::string_view> arguments) {
  ServerOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Flag flag = splitFlag(arguments[i]);
    const auto switchFlag = std::ranges::find(kSwitches, flag.name, &Switch::name);
    const auto valueFlag = std::ranges::find(kValueOptions, flag.name, &ValueOption::name);
    if (switchFlag != kSwitches.end()) {
      if (flag.inlineValue) {
        return std::unexpected("The option " + std::string(flag.name) + " takes no value.");
      }
      switchFlag->apply(options);
      continue;
    }
    if (valueFlag == kValueOptions.end()) {
      const std::string kind =
          arguments[i].starts_with("-") ? "Unknown option " : "Unexpected argument ";
      return std::unexpected(kind + quoted(arguments[i]) +
                             "; run ondi-server --help for the options.");
    }

    std::optional<std::string_view> value = flag.inlineValue;
    if (!value && i + 1 < arguments.size()) value = arguments[++i];
    if (!value || value->empty()) {
      return std::unexpected("The option " + std::string(flag.name) + " needs a value.");
    }
    if (auto problem = valueFlag->apply(options, *value)) return std::unexpected(*problem);
  }
  return options;
}

std::string_view serverUsage() {
  return "Usage: ondi-server [options]\n"
         "Serves a local stand-in of the Ondi service.\n"
         "\n"
         "  --host HOST                   address or name to listen on (default 127.0.0.1)\n"
         "  --port PORT                   port to listen on, 0 for any free port (default 8787)\n"
         "  --tls-port PORT               HTTPS port of the connected-app authorization pages,\n"
         "                                0 for any free port (default 0); its certificate is\n"
         "                                made at start under the data folder\n"
         "  --connector-broker MODE       how the stand-in app broker answers: ready,\n"
         "                                not-configured or unavailable (default ready)\n"
         "  --agent-payments MODE         whether the stand-in card issuer serves agent\n"
         "                                payments: available or unavailable (default\n"
         "                                available)\n"
         "  --topup-settle-seconds N      seconds a top-up stays pending before its funds\n"
         "                                are available, 0 to 604800 (default 20)\n"
         "  --agent-phone MODE            how the stand-in voice bridge of the agent phone\n"
         "                                answers: ready, setup-required or not-found\n"
         "                                (default ready)\n"
         "  --phone-calls-per-hour N      outbound calls one account's agent may place per\n"
         "                                rolling hour (default 5)\n"
         "  --messaging-relay-address A   the shared iMessage e-mail address or phone number\n"
         "                                senders text their route code to (default none:\n"
         "                                messaging routes answer 503)\n"
         "  --relay-heartbeat-file PATH   the iMessage relay's heartbeat file, written by\n"
         "                                POST /api/test/relay-heartbeat\n"
         "  --data DIR                    folder of the database\n"
         "                                (default $XDG_DATA_HOME/ondi-server)\n"
         "  --no-google                   turn off sign-in with Google\n"
         "  --no-email-password           turn off sign-in with email and password\n"
         "  --require-email-verification  new email accounts must open a verification link,\n"
         "                                which is written to stderr, before they can log in\n"
         "  --password-min-length N       shortest password accepted, 8 to 128 (default 15)\n"
         "  --google-identity EMAIL       email address of the person the Google stand-in\n"
         "                                signs in (default test.person@gmail.example)\n"
         "  --free-turn-limit N           agent turns a free account may take per day\n"
         "                                (default 50)\n"
         "  --client-sign-in-limit N      password sign-ins and sign-ups one client address\n"
         "                                may attempt per minute (default 30)\n"
         "  --address-sign-in-limit N     failed sign-ins one email address may take per\n"
         "                                15 minutes before it must wait (default 10)\n"
         "  --pending-google-limit N      Google sign-ins that may wait on the consent page\n"
         "                                at one time (default 100)\n"
         "  --thread-limit N              conversation threads one account may keep\n"
         "                                (default 500)\n"
         "  --test-routes                 also serve the routes under /api/test/ that tests use\n"
         "  --openai-test-endpoint        also serve an OpenAI-compatible POST /v1/responses\n"
         "                                and GET /v1/test/last-request for tests\n"
         "  --openai-test-key KEY         the only API key /v1/responses accepts\n"
         "                                (default sk-test-ondi)\n"
         "  --help                        show this help\n";
}

}  // namespace ondi::server
