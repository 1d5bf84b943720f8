#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/account/AccountState.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/origin/ServiceOrigin.h"
#include "core/script/SurfaceResources.h"
#include "fakes/FakePlatform.h"

namespace ondi {

// The model on fake ports, with helpers to answer its account requests.
class AccountFixture : public ::testing::Test {
 protected:
  static constexpr const char* kSessionPath = "https://ondi.example/api/auth/session";
  static constexpr const char* kPhonePath = "https://ondi.example/api/account/phone";

  // The agent phone loads after every confirmed session; suites that are not about it see it
  // answered at once with no line.
  AccountFixture() {
    platform.transport.answerAlways(kPhonePath, 200, R"({"ok": true})");
    platform.scheduler.runUntilIdle();
  }

  // Answers the oldest waiting request and lets its completion run.
  void answer(int status, const nlohmann::json& body) {
    platform.scheduler.runUntilIdle();
    platform.transport.respond(status, body.dump());
    platform.scheduler.runUntilIdle();
  }
  void answerText(int status, const std::string& body) {
    platform.scheduler.runUntilIdle();
    platform.transport.respond(status, body);
    platform.scheduler.runUntilIdle();
  }

  static nlohmann::json signedIn(const std::string& id, nlohmann::json user = {}) {
    user["id"] = id;
    return {{"authenticated", true}, {"user", user}};
  }

  // Confirms the user `id` through a session answer.
  void confirm(const std::string& id, nlohmann::json user = {}) {
    model.refreshWorkspaceSession();
    answer(200, signedIn(id, std::move(user)));
  }

  const HttpRequest& lastRequest() const { return platform.transport.requests.back(); }
  std::size_t requestCount() const { return platform.transport.requests.size(); }
  AccountState& account() { return model.account; }

  fakes::FakePlatform platform;
  DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                            platform.services(),
                            {"<html>operator</html>"}};
};

}  // namespace ondi
