// The cloud-agent runs and the guest demo over HTTP: the run list and live content the monitor
// polls, the control pages the live view and the in-app tab open, and the screenshots of runs
// on a cloud desktop, with the server's clock moved forward to make time pass.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "AccountSteps.h"
#include "AgentSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "PngFile.h"
#include "ServiceClock.h"
#include "runs/GuestDemos.h"

namespace {

constexpr char kLivePrompt[] =
    "Compare flights to Lisbon in the in-app browser and show it in the live monitor";
constexpr char kDesktopPrompt[] =
    "Compare flights to Lisbon in a browser on a cloud desktop and show it in the live monitor";
constexpr long long kSessionLifetimeSeconds = 30 * 60;
const std::regex kUuid("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
const std::regex kIsoTime(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");

std::string workflowPath(const std::string& id, const std::string& what) {
  return "/api/platform/workflows/" + id + "/" + what;
}

nlohmann::json listQuery(int limit = 100) {
  return {{"name", "workflows.list"}, {"args", {{"limit", limit}}}};
}

class BrowserRunsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(signUp(client_, "ada@example.com").status, 200u); }

  // Sends the prompt and returns the run it started.
  std::string startRun(const std::string& prompt) {
    const HttpReply reply = sendPrompt(client_, prompt);
    EXPECT_EQ(reply.status, 200u) << reply.body;
    return reply.json().at("monitoredRun").at("id");
  }

  nlohmann::json runs(int limit = 100) {
    const HttpReply reply = client_.send("POST", "/api/platform/query", listQuery(limit).dump());
    EXPECT_EQ(reply.status, 200u) << reply.body;
    const nlohmann::json envelope = reply.json();
    EXPECT_EQ(envelope.at("ok"), true);
    return envelope.at("result");
  }

  nlohmann::json get(const std::string& path) {
    const HttpReply reply = client_.send("GET", path);
    EXPECT_EQ(reply.status, 200u) << path << ": " << reply.body;
    return reply.json();
  }

  void expectPage(const HttpReply& reply, unsigned status) {
    EXPECT_EQ(reply.status, status) << reply.body;
    EXPECT_EQ(reply.headerValues("Content-Type"),
              std::vector<std::string>{"text/html; charset=utf-8"});
  }

  OndiServerProcess server_{{.extraArguments = {"--test-routes"}}};
  HttpTestClient client_{server_.baseURL(), HttpTestClient::Cookies::keep};
  HttpTestClient stranger_{server_.baseURL()};
};

TEST_F(BrowserRunsTest, RunsAreTheAccountsOwnAndNeedASession) {
  const std::string run = startRun(kLivePrompt);
  for (const auto& [method, path] : {std::pair{"GET", workflowPath(run, "browser-live")},
                                     std::pair{"GET", workflowPath(run, "browser-snapshot")},
                                     std::pair{"POST", workflowPath(run, "browser-session")},
                                     std::pair{"POST", workflowPath(run, "browser-control")},
                                     std::pair{"POST", std::string("/api/platform/query")}}) {
    SCOPED_TRACE(path);
    const HttpReply reply = stranger_.send(method, path, listQuery().dump());
    EXPECT_EQ(reply.status, 401u);
    EXPECT_EQ(reply.json(),
              nlohmann::json({{"ok", false}, {"error", "Sign in to view your browser runs."}}));
  }
  expectPage(stranger_.send("GET", workflowPath(run, "browser-control")), 401);

  const HttpTestClient other(server_.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(other, "grace@example.com").status, 200u);
  EXPECT_EQ(other.send("POST", "/api/platform/query", listQuery().dump()).json().at("result"),
            nlohmann::json::array());
  EXPECT_EQ(other.send("GET", workflowPath(run, "browser-live")).status, 404u);
  expectPage(other.send("GET", workflowPath(run, "browser-control")), 404);
}

TEST_F(BrowserRunsTest, AMonitoredPromptStartsARunWatchedThroughItsLiveControlPage) {
  EXPECT_FALSE(sendPrompt(client_, "Compare flights to Lisbon").json().contains("monitoredRun"));
  const std::string run = startRun(kLivePrompt);

  const nlohmann::json listed = runs();
  ASSERT_EQ(listed.size(), 1u);
  const nlohmann::json& summary = listed[0];
  EXPECT_EQ(summary.at("id"), run);
  EXPECT_EQ(summary.at("definition"), "cloud-agent");
  EXPECT_EQ(summary.at("status"), "running");
  EXPECT_EQ(summary.at("input"), nlohmann::json({{"objective", kLivePrompt}}));
  EXPECT_TRUE(std::regex_match(summary.at("createdAt").get<std::string>(), kIsoTime));
  EXPECT_TRUE(std::regex_match(summary.at("updatedAt").get<std::string>(), kIsoTime));
  const nlohmann::json& live = summary.at("liveSession");
  EXPECT_EQ(live.at("provider"), "browser-runner");
  EXPECT_EQ(live.at("frameMode"), "live-url");
  const std::string session = live.at("sessionId");
  EXPECT_TRUE(std::regex_match(session, kUuid)) << session;
  const std::string controlUrl = server_.baseURL() + "/v1/sessions/" + session + "/control";
  EXPECT_EQ(live.at("controlUrl"), controlUrl);
  EXPECT_EQ(live.at("status"), "opening");
  EXPECT_NE(live.at("pageTitle").get<std::string>().find("Compare flights"), std::string::npos);
  EXPECT_TRUE(live.at("pageUrl").get<std::string>().starts_with("https://duckduckgo.com/?q="));
  EXPECT_FALSE(live.contains("snapshotUrl"));

  EXPECT_EQ(get(workflowPath(run, "browser-live")), nlohmann::json({{"ok", true},
                                                                    {"provider", "browser-runner"},
                                                                    {"frameMode", "live-url"},
                                                                    {"sessionId", session},
                                                                    {"status", "opening"},
                                                                    {"liveViewUrl", controlUrl},
                                                                    {"url", live.at("pageUrl")}}));

  const HttpReply control =
      client_.send("POST", workflowPath(run, "browser-control"), std::string_view{});
  EXPECT_EQ(control.json().at("controlUrl"), controlUrl);

  advanceClock(client_, 7);
  const nlohmann::json moved = runs()[0].at("liveSession");
  EXPECT_EQ(moved.at("status"), "ready");
  EXPECT_NE(moved.at("pageUrl"), live.at("pageUrl"));
}

TEST_F(BrowserRunsTest, TheListIsNewestFirstAndRefusesOtherQueries) {
  const std::string first = startRun(kLivePrompt);
  advanceClock(client_, 1);
  const std::string second = startRun(kDesktopPrompt);
  const nlohmann::json listed = runs();
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].at("id"), second);
  EXPECT_EQ(listed[1].at("id"), first);
  EXPECT_EQ(runs(1).size(), 1u);

  for (const nlohmann::json& body :
       {nlohmann::json{{"name", "workflows.delete"}}, listQuery(0), listQuery(101),
        nlohmann::json{{"name", "workflows.list"}, {"args", {{"limit", "ten"}}}}}) {
    SCOPED_TRACE(body.dump());
    EXPECT_EQ(client_.send("POST", "/api/platform/query", body.dump()).status, 400u);
  }
}

TEST_F(BrowserRunsTest, ASessionClosesAfterItsLifetimeAndStartingItAgainReopensIt) {
  const std::string run = startRun(kLivePrompt);
  advanceClock(client_, kSessionLifetimeSeconds);
  for (const char* what : {"browser-live", "browser-snapshot"}) {
    const nlohmann::json ended = get(workflowPath(run, what));
    EXPECT_EQ(ended.at("ok"), false) << what;
    EXPECT_EQ(ended.at("status"), "closed") << what;
    EXPECT_EQ(ended.at("error"), "The browser session has ended. Start it again to keep watching.");
  }
  EXPECT_EQ(runs()[0].at("status"), "stopped");

  const HttpReply started =
      client_.send("POST", workflowPath(run, "browser-session"), std::string_view{});
  ASSERT_EQ(started.status, 200u) << started.body;
  EXPECT_EQ(started.json().at("status"), "opening");
  EXPECT_EQ(get(workflowPath(run, "browser-live")).at("ok"), true);
  EXPECT_EQ(runs()[0].at("status"), "running");
}

TEST_F(BrowserRunsTest, ACloudDesktopRunSendsScreenshotsThatChangeOverTime) {
  const std::string run = startRun(kDesktopPrompt);
  const nlohmann::json live = runs()[0].at("liveSession");
  EXPECT_EQ(live.at("provider"), "daytona");
  EXPECT_EQ(live.at("frameMode"), "screenshot");
  EXPECT_EQ(live.at("snapshotUrl"), workflowPath(run, "browser-snapshot"));
  EXPECT_TRUE(live.at("sandboxId").get<std::string>().starts_with("sbx_"));

  const nlohmann::json first = get(workflowPath(run, "browser-snapshot"));
  EXPECT_EQ(first.at("ok"), true);
  EXPECT_EQ(first.at("provider"), "daytona");
  EXPECT_EQ(first.at("frameMode"), "screenshot");
  EXPECT_TRUE(std::regex_match(first.at("capturedAt").get<std::string>(), kIsoTime));
  const PngFile png = readPng(pngFromDataUrl(first.at("screenshot").get<std::string>()));
  ASSERT_TRUE(png.hasSignature);
  EXPECT_EQ(png.chunks.front().type, "IHDR");
  EXPECT_GT(png.width, 0u);
  EXPECT_GT(png.height, 0u);
  // The monitor may ask either address of a Daytona run.
  EXPECT_TRUE(get(workflowPath(run, "browser-live")).contains("screenshot"));

  advanceClock(client_, 1);
  const nlohmann::json later = get(workflowPath(run, "browser-snapshot"));
  EXPECT_NE(later.at("screenshot"), first.at("screenshot"));
  EXPECT_NE(later.at("capturedAt"), first.at("capturedAt"));
}

// Strangers' guest demos never end anyone else's: a client replaces only its own, and when every
// place is taken by others it is refused until one ends.
TEST(GuestDemosTest, AClientReplacesOnlyItsOwnDemos) {
  using ondi::server::GuestDemos;
  const ondi::server::ServiceClock clock;
  GuestDemos demos(clock);
  const std::string first = demos.start("browser-runner", "10.0.0.1")->id;
  const std::string second = demos.start("browser-runner", "10.0.0.1")->id;
  for (std::size_t i = 2; i < GuestDemos::kMaxDemos; ++i) {
    ASSERT_NE(demos.start("browser-runner", "10.0.1." + std::to_string(i)), nullptr);
  }
  EXPECT_EQ(demos.start("browser-runner", "10.0.2.1"), nullptr);
  EXPECT_TRUE(demos.find(first));
  // The first client's third demo takes the place of its own first one.
  const GuestDemos::Demo* third = demos.start("daytona", "10.0.0.1");
  ASSERT_NE(third, nullptr);
  const std::string thirdId = third->id;
  EXPECT_FALSE(demos.find(first));
  EXPECT_TRUE(demos.find(second));
  EXPECT_TRUE(demos.find(thirdId));
  EXPECT_TRUE(demos.findBySession(demos.find(second)->session.sessionId));
}

TEST_F(BrowserRunsTest, TheGuestDemoNeedsNoAccount) {
  const HttpReply started = stranger_.send("POST", "/api/browser/demo", std::string_view{});
  ASSERT_EQ(started.status, 200u) << started.body;
  const nlohmann::json demo = started.json();
  EXPECT_EQ(demo.at("ok"), true);
  EXPECT_TRUE(demo.at("demoId").get<std::string>().starts_with("demo_"));
  EXPECT_EQ(demo.at("provider"), "browser-runner");
  EXPECT_EQ(demo.at("frameMode"), "live-url");
  const std::string session = demo.at("sessionId");
  EXPECT_TRUE(std::regex_match(session, kUuid)) << session;

  const std::string demoPath = "/api/browser/demo/" + demo.at("demoId").get<std::string>();
  const nlohmann::json live = stranger_.send("GET", demoPath + "/live").json();
  EXPECT_EQ(live.at("ok"), true);
  EXPECT_EQ(live.at("sessionId"), session);
  EXPECT_EQ(live.at("liveViewUrl"), server_.baseURL() + "/v1/sessions/" + session + "/control");
  EXPECT_EQ(live.at("url"), "https://mail.google.com/mail/u/0/#inbox");
  EXPECT_EQ(live.at("status"), "opening");
  advanceClock(client_, 2);
  EXPECT_EQ(stranger_.send("GET", demoPath + "/live").json().at("status"), "ready");
  const nlohmann::json snapshot = stranger_.send("GET", demoPath + "/snapshot").json();
  EXPECT_TRUE(readPng(pngFromDataUrl(snapshot.at("screenshot").get<std::string>())).hasSignature);

  const nlohmann::json daytona =
      stranger_.send("POST", "/api/browser/demo", R"({"provider": "daytona"})").json();
  EXPECT_EQ(daytona.at("provider"), "daytona");
  EXPECT_EQ(daytona.at("frameMode"), "screenshot");
  EXPECT_EQ(stranger_.send("POST", "/api/browser/demo", R"({"provider": "chrome"})").status, 400u);
  EXPECT_EQ(stranger_.send("GET", "/api/browser/demo/demo_unknown/live").status, 404u);

  advanceClock(client_, kSessionLifetimeSeconds);
  EXPECT_EQ(stranger_.send("GET", demoPath + "/live").status, 404u);
}

TEST_F(BrowserRunsTest, ControlPagesShowTheSimulatedBrowserToThoseWhoMaySeeIt) {
  const std::string run = startRun(kLivePrompt);
  const std::string session = runs()[0].at("liveSession").at("sessionId");
  const std::string controlPath = "/v1/sessions/" + session + "/control";

  const HttpReply page = client_.send("GET", controlPath);
  expectPage(page, 200);
  EXPECT_NE(page.body.find("<h1 id=\"run-title\">" + std::string(kLivePrompt) + "</h1>"),
            std::string::npos);
  EXPECT_NE(page.body.find("<output id=\"page-url\">https://duckduckgo.com/?q=Compare%20flights"),
            std::string::npos);
  EXPECT_NE(page.body.find("<svg id=\"frame\""), std::string::npos);
  // The page's own script moves the browser along, so its CSP names that script.
  EXPECT_NE(page.headerValues("Content-Security-Policy")[0].find("script-src 'sha256-"),
            std::string::npos);
  // The in-app tab's address answers with the same page, and the UUID may be upper case.
  EXPECT_EQ(client_.send("GET", workflowPath(run, "browser-control")).body, page.body);
  std::string upperSession = session;
  std::ranges::transform(upperSession, upperSession.begin(),
                         [](char c) { return static_cast<char>(std::toupper(c)); });
  EXPECT_EQ(client_.send("GET", "/v1/sessions/" + upperSession + "/control").status, 200u);

  expectPage(stranger_.send("GET", controlPath), 401);
  const HttpTestClient other(server_.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(other, "grace@example.com").status, 200u);
  expectPage(other.send("GET", controlPath), 404);
  expectPage(client_.send("GET", "/v1/sessions/0f1e2d3c4b5a49788695a4b3c2d1e0f9/control"), 404);

  // A demo's page is anyone's, and moves to the next stop on the server's clock.
  const std::string demoSession =
      stranger_.send("POST", "/api/browser/demo", std::string_view{}).json().at("sessionId");
  const HttpReply demoPage = stranger_.send("GET", "/v1/sessions/" + demoSession + "/control");
  expectPage(demoPage, 200);
  EXPECT_NE(demoPage.body.find("Gmail → LinkedIn → Apple (closed) → Linear"), std::string::npos);
  EXPECT_NE(demoPage.body.find("<h2 id=\"page-title\">Inbox - Gmail</h2>"), std::string::npos);
  advanceClock(client_, 6);
  EXPECT_NE(stranger_.send("GET", "/v1/sessions/" + demoSession + "/control")
                .body.find("<h2 id=\"page-title\">Feed | LinkedIn</h2>"),
            std::string::npos);
}

}  // namespace
