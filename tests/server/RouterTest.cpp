// Route matching and the 404/405 answers, in process.
#include <gtest/gtest.h>

#include "http/RoutePattern.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

Request requestFor(std::string method, std::string path) {
  Request request;
  request.method = std::move(method);
  request.path = std::move(path);
  return request;
}

Response dispatched(const Router& router, Request request) {
  Response answer;
  router.dispatch(std::move(request), Reply([&answer](Response response) { answer = response; }));
  return answer;
}

Router::Handler answerWith(std::string name) {
  return [name = std::move(name)](const Request& request) {
    return Response::json(200, {{"handler", name}, {"parameters", request.pathParameters}});
  };
}

TEST(RoutePatternTest, MatchesWholeSegmentsAndCapturesNamedOnes) {
  const RoutePattern pattern("/v1/sessions/{id}/control");
  EXPECT_EQ(pattern.match("/v1/sessions/abc-1/control"), (Request::Fields{{"id", "abc-1"}}));
  for (const char* path :
       {"/v1/sessions//control", "/v1/sessions/abc/control/", "/v1/sessions/abc",
        "/v1/sessions/a/b/control", "v1/sessions/a/control", "/v1/session/abc/control", ""}) {
    EXPECT_FALSE(pattern.match(path)) << path;
  }
  EXPECT_TRUE(RoutePattern("/").match("/"));
  EXPECT_FALSE(RoutePattern("/").match("//"));
}

TEST(RouterTest, DispatchesByMethodAndPathWithParameters) {
  Router router;
  router.add("GET", "/api/connectors/{id}", answerWith("get-one"));
  router.add("POST", "/api/connectors/sync", answerWith("sync"));

  const auto getOne = dispatched(router, requestFor("GET", "/api/connectors/sync")).body;
  EXPECT_EQ(getOne.at("handler"), "get-one");
  EXPECT_EQ(getOne.at("parameters").at("id"), "sync");
  EXPECT_EQ(dispatched(router, requestFor("POST", "/api/connectors/sync")).body.at("handler"),
            "sync");
}

TEST(RouterTest, AnswersNotFoundAndMethodNotAllowed) {
  Router router;
  router.add("GET", "/api/connectors/{id}", answerWith("get-one"));
  router.add("POST", "/api/connectors/sync", answerWith("sync"));

  const Response missing = dispatched(router, requestFor("GET", "/api/connectors"));
  EXPECT_EQ(missing.status, 404u);
  EXPECT_EQ(missing.body, nlohmann::json({{"ok", false}, {"error", "Not found"}}));

  // Every route matching the path contributes its methods to Allow.
  const Response wrongMethod = dispatched(router, requestFor("DELETE", "/api/connectors/sync"));
  EXPECT_EQ(wrongMethod.status, 405u);
  EXPECT_EQ(wrongMethod.body.at("ok"), false);
  ASSERT_EQ(wrongMethod.headers.size(), 1u);
  EXPECT_EQ(wrongMethod.headers[0].first, "Allow");
  EXPECT_EQ(wrongMethod.headers[0].second, "GET, POST");
}

TEST(RouterTest, ALaterRegistrationReplacesTheHandler) {
  Router router;
  router.add("GET", "/a", answerWith("old"));
  router.add("GET", "/a", answerWith("new"));
  EXPECT_EQ(dispatched(router, requestFor("GET", "/a")).body.at("handler"), "new");
}

}  // namespace
}  // namespace ondi::server
