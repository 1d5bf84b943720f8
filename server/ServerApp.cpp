#include "ServerApp.h"

#include <cstdio>
#include <exception>
#include <string>

#include "DataDirectory.h"
#include "ServiceClock.h"
#include "StopSignals.h"
#include "WorkerPool.h"
#include "accounts/AccountServices.h"
#include "agent/AgentServices.h"
#include "connectors/ConnectorBroker.h"
#include "crypto/Sodium.h"
#include "db/Database.h"
#include "db/Migrations.h"
#include "http/HttpServer.h"
#include "http/LocalCertificate.h"
#include "http/Router.h"
#include "messaging/MessagingServices.h"
#include "payments/PaymentServices.h"
#include "phone/PhoneServices.h"
#include "routes/AgentFailureRoutes.h"
#include "routes/AgentPaymentRoutes.h"
#include "routes/AgentPhoneRoutes.h"
#include "routes/AgentRoutes.h"
#include "routes/AuthSessionRoutes.h"
#include "routes/BrowserDemoRoutes.h"
#include "routes/BrowserRunnerRoutes.h"
#include "routes/ConnectorRoutes.h"
#include "routes/EmailVerificationRoutes.h"
#include "routes/GoogleConsentRoutes.h"
#include "routes/MessagingRoutes.h"
#include "routes/NativeExchangeRoutes.h"
#include "routes/OpenAiTestRoutes.h"
#include "routes/PasswordRoutes.h"
#include "routes/PlatformRoutes.h"
#include "routes/PreferencesRoutes.h"
#include "routes/RelayHeartbeatTestRoutes.h"
#include "routes/ServicePageRoutes.h"
#include "routes/TestRoutes.h"
#include "routes/VoiceAccessTestRoutes.h"
#include "routes/VoiceStatusRoutes.h"
#include "runs/RunServices.h"
#include "voice/VoiceAccessSwitch.h"

namespace ondi::server {
namespace {

constexpr char kDatabaseFileName[] = "ondi.sqlite3";
constexpr char kCertificateFolder[] = "tls";
// The key that seals the Twilio auth tokens, kept beside the database rather than in it.
constexpr char kPhoneTokenKeyFile[] = "phone-token.key";
// Each password hash holds 64 MiB for a fraction of a second; two at a time keep a burst of
// sign-ins from taking the machine's memory.
constexpr unsigned kPasswordWorkers = 2;

std::string listeningUrl(std::string_view scheme, const std::string& host, unsigned port) {
  const bool ipv6 = host.find(':') != std::string::npos;
  return std::string(scheme) + "://" + (ipv6 ? "[" + host + "]" : host) + ":" +
         std::to_string(port);
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

Router buildRouter(const ServerOptions& options, AccountServices& services, AgentServices& agent,
                   RunServices& runs, ConnectorBroker& broker, VoiceAccessSwitch& voiceAccess,
                   PaymentServices& payments, PhoneServices& phone, MessagingServices& messaging,
                   ServiceClock& clock) {
  Router router;
  addAuthSessionRoutes(router, services);
  addPasswordRoutes(router, services);
  addEmailVerificationRoutes(router, services);
  addGoogleConsentRoutes(router, services);
  addNativeExchangeRoutes(router, services);
  addPreferencesRoutes(router, services);
  addAgentRoutes(router, services, agent, runs, payments);
  addPlatformRoutes(router, services, runs);
  addBrowserDemoRoutes(router, runs);
  addBrowserRunnerRoutes(router, services, runs);
  addConnectorRoutes(router, services, broker);
  addServicePageRoutes(router, services, broker.connections);
  addVoiceStatusRoutes(router, services, voiceAccess);
  addAgentPaymentRoutes(router, services, payments);
  addAgentPhoneRoutes(router, services, phone);
  addMessagingRoutes(router, services, messaging);
  if (options.testRoutes) {
    addRelayHeartbeatTestRoutes(router, options.relayHeartbeatFile);
    addTestRoutes(router, clock);
    addAgentFailureRoutes(router, agent.failures);
    addVoiceAccessTestRoutes(router, services.accounts, voiceAccess);
  }
  if (options.openAiTestEndpoint) addOpenAiTestRoutes(router, options.openAiTestKey);
  return router;
}

}  // namespace

int runServer(const ServerOptions& options) {
  try {
    initializeSodium();
    StopSignals stopSignals;
    // Open while the server runs, and closed after it has stopped.
    Database database = openDatabase(options.dataDirectory);
    ServiceClock clock;
    WorkerPool workers(kPasswordWorkers);
    AccountServices services(database, clock, options.auth, options.limits, workers);
    // The hashing jobs read the account services: the pool finishes them before those go.
    struct FinishWorkers {
      WorkerPool& pool;
      ~FinishWorkers() { pool.finish(); }
    } const finishWorkers{workers};
    AgentServices agent(database, clock, options.freeTurnLimit, options.limits.threadsPerAccount);
    RunServices runs(database, clock);
    ConnectorBroker broker(options.connectorBroker, database, clock);
    VoiceAccessSwitch voiceAccess;
    PaymentServices payments(options.agentPaymentsAvailable, database, clock,
                             options.topupSettleSeconds);
    PhoneServices phone(options.agentPhone, options.phoneCallsPerHour, database, clock,
                        options.dataDirectory / kPhoneTokenKeyFile);
    MessagingServices messaging(options.messagingRelayAddress, database, clock);
    const Router router = buildRouter(options, services, agent, runs, broker, voiceAccess, payments,
                                      phone, messaging, clock);
    const LocalCertificate certificate(options.dataDirectory / kCertificateFolder, options.host);
    HttpServer server(router);
    server.listen(options.host, options.port);
    server.listenSecurely(options.host, options.securePort, certificate.certificate());
    const std::string url = listeningUrl("http", options.host, server.port());
    broker.authorizationOrigin = listeningUrl("https", options.host, server.securePort());
    services.outbox.setServiceUrl(url);
    payments.serviceOrigin = url;
    phone.serviceOrigin = url;
    messaging.serviceOrigin = url;
    std::printf("ondi-server listening on %s\n", url.c_str());
    std::printf("ondi-server listening securely on %s with the certificate %s\n",
                broker.authorizationOrigin.c_str(), certificate.certificateFile().c_str());
    std::fflush(stdout);
    stopSignals.serveUntilSignalled();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ondi-server: %s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace ondi::server
