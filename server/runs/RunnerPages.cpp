#include "runs/RunnerPages.h"

#include "http/HtmlPage.h"

namespace ondi::server {

Response runnerSignInPage() {
  return Response::page(401, htmlDocument("Sign in to Ondi",
                                          "<main><h1>Sign in to Ondi</h1><p class=\"note\">Sign "
                                          "in to watch and control this browser.</p></main>"));
}

Response runnerNotFoundPage() {
  return Response::page(
      404, htmlDocument("Browser not found",
                        "<main><h1>Browser not found</h1><p class=\"note\">This browser session "
                        "has ended or belongs to another account.</p></main>"));
}

}  // namespace ondi::server
