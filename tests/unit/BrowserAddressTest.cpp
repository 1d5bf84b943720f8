#include "core/browser/BrowserAddress.h"

#include <gtest/gtest.h>

namespace ondi {
namespace {

TEST(BrowserAddress, AddressesOpenAsTypedOrAsHttps) {
  const struct {
    const char* text;
    const char* url;
  } cases[] = {
      {"https://example.com/a?b=c", "https://example.com/a?b=c"},
      {"  HTTP://Example.com/\n", "HTTP://Example.com/"},
      {"example.com/jobs/view?id=3", "https://example.com/jobs/view?id=3"},
      {"news.ycombinator.com", "https://news.ycombinator.com"},
      {"\texample.org\n", "https://example.org"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(browserURL(c.text), c.url);
  }
}

TEST(BrowserAddress, OtherTextBecomesAWebSearch) {
  const struct {
    const char* text;
    const char* url;
  } cases[] = {
      {"  best pizza near me ", "https://www.google.com/search?q=best%20pizza%20near%20me"},
      {"weather", "https://www.google.com/search?q=weather"},
      {"localhost:3000", "https://www.google.com/search?q=localhost%3A3000"},
      {"c++ & rust #1 = ?",
       "https://www.google.com/search?q=c%2B%2B%20%26%20rust%20%231%20%3D%20%3F"},
      {"what is example.com", "https://www.google.com/search?q=what%20is%20example.com"},
      {"ftp://files.example.com/a b",
       "https://www.google.com/search?q=ftp%3A%2F%2Ffiles.example.com%2Fa%20b"},
      {"café", "https://www.google.com/search?q=caf%C3%A9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(browserURL(c.text), c.url);
  }
}

TEST(BrowserAddress, EmptyTextAndBrokenHttpsFormsOpenNothing) {
  for (const char* text : {"", "  \n\t ", "exa%mple.com", "a.b:port"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(browserURL(text), std::nullopt);
  }
}

}  // namespace
}  // namespace ondi
