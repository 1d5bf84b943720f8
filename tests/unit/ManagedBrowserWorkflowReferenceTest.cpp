#include "core/browser/ManagedBrowserWorkflowReference.h"

#include <gtest/gtest.h>

#include "core/util/Url.h"

namespace ondi {
namespace {

std::optional<std::string> idOf(const std::string& text) {
  const auto workflow = ManagedBrowserWorkflowReference::make(text);
  return workflow ? std::optional(workflow->id()) : std::nullopt;
}

TEST(ManagedBrowserWorkflowReferenceTest, IdsAreTrimmedShortAndPlain) {
  EXPECT_EQ(idOf(" \n run_42-Ab \t"), "run_42-Ab");
  EXPECT_EQ(idOf(std::string(180, 'a')), std::string(180, 'a'));
  for (const std::string& rejected :
       {std::string(181, 'a'), std::string("run.1"), std::string("run/1"), std::string("../x"),
        std::string("run 1"), std::string(""), std::string("  "), std::string("rün"),
        std::string("run%2F1")}) {
    EXPECT_FALSE(idOf(rejected)) << rejected;
  }
}

TEST(ManagedBrowserWorkflowReferenceTest, ControlPageIsOnTheBaseOrigin) {
  const auto workflow = ManagedBrowserWorkflowReference::make("run_1");
  ASSERT_TRUE(workflow);
  EXPECT_EQ(workflow->controlURL(*Url::parse("https://ondi.example/agent.html?x=1")),
            "https://ondi.example/api/platform/workflows/run_1/browser-control");
  EXPECT_EQ(workflow->controlURL(*Url::parse("HTTP://127.0.0.1:8787/")),
            "http://127.0.0.1:8787/api/platform/workflows/run_1/browser-control");
  EXPECT_FALSE(workflow->controlURL(*Url::parse("https://user:pw@ondi.example/")));
  EXPECT_FALSE(workflow->controlURL(*Url::parse("ftp://ondi.example/")));
  EXPECT_FALSE(workflow->controlURL(*Url::parse("file:///tmp/")));
}

}  // namespace
}  // namespace ondi
