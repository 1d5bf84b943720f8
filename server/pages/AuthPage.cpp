#include "pages/AuthPage.h"

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

// Posts the form as JSON, as the app does, and follows the answer: to the return path once
// signed in, otherwise its message in the status line.
constexpr std::string_view kScript = R"js(
(function () {
  const status = document.getElementById("status");
  const returnTo = document.body.dataset.returnTo;
  async function post(path, body) {
    const response = await fetch(path, {
      method: "POST",
      credentials: "same-origin",
      headers: { Accept: "application/json", "Content-Type": "application/json" },
      body: JSON.stringify(body),
    });
    let data = {};
    try { data = await response.json(); } catch (error) { data = {}; }
    return { status: response.status, data: data || {} };
  }
  const form = document.getElementById("auth-form");
  if (form) {
    form.addEventListener("submit", async (event) => {
      event.preventDefault();
      const fields = Object.fromEntries(new FormData(form));
      if (form.dataset.mode === "sign-up" && fields.password !== fields.confirmation) {
        status.textContent = "The passwords do not match.";
        return;
      }
      delete fields.confirmation;
      status.textContent = "Please wait…";
      const path = form.dataset.mode === "sign-up" ? "/api/auth/password/sign-up" : "/api/auth/password/sign-in";
      const answer = await post(path, { ...fields, returnTo });
      if (answer.data.authenticated === true) {
        window.location.assign(returnTo);
        return;
      }
      status.textContent = answer.data.message || answer.data.error || "The Ondi service answered " + answer.status + ".";
    });
  }
  const signOut = document.getElementById("sign-out");
  if (signOut) {
    signOut.addEventListener("click", async () => {
      const answer = await post("/api/auth/sign-out", {});
      if (answer.status === 200) window.location.assign("/auth.html?mode=sign-in");
      else status.textContent = answer.data.error || "The Ondi service answered " + answer.status + ".";
    });
  }
})();
)js";

constexpr std::string_view kDefaultReturnPath = "/page.html?view=account";

std::string field(std::string_view name, std::string_view label, std::string_view type,
                  std::string_view autocomplete) {
  const std::string id = std::string(name);
  return "<label for=\"" + id + "\">" + std::string(label) + "</label><input id=\"" + id +
         "\" name=\"" + id + "\" type=\"" + std::string(type) + "\" autocomplete=\"" +
         std::string(autocomplete) + "\" required>";
}

std::string signInForm(bool signUp) {
  std::string form =
      "<form id=\"auth-form\" data-mode=\"" + std::string(signUp ? "sign-up" : "sign-in") + "\">";
  if (signUp) form += field("name", "Full name", "text", "name");
  form += field("email", "Email", "email", "email");
  form += field("password", "Password", "password", signUp ? "new-password" : "current-password");
  if (signUp) form += field("confirmation", "Confirm password", "password", "new-password");
  form += "<button type=\"submit\" id=\"submit\">" +
          std::string(signUp ? "Create account" : "Log in") + "</button></form>";
  form += signUp ? "<p>Already have an account? <a href=\"/auth.html?mode=sign-in\">Log in</a></p>"
                 : "<p>New to Ondi? <a href=\"/auth.html?mode=sign-up\">Create an account</a></p>";
  return form;
}

std::string signedInPanel(const Account& account) {
  return "<p>You are signed in as <strong>" + escapeHtml(account.name) + "</strong> (" +
         escapeHtml(account.email) +
         ").</p>\n<p><a href=\"/page.html?view=account\">Your account</a></p>"
         "<button type=\"button\" id=\"sign-out\">Sign out</button>";
}

}  // namespace

std::string authPage(std::string_view mode, std::string_view returnTo,
                     const std::optional<Account>& account) {
  const bool signUp = mode == "sign-up";
  const bool signOut = mode == "sign-out";
  const std::string title = signOut  ? "Sign out of Ondi"
                            : signUp ? "Create your Ondi account"
                                     : "Log in to Ondi";
  std::string body = "<h1>" + title + "</h1>\n";
  if (account) {
    body += signedInPanel(*account);
  } else if (signOut) {
    body += "<p>You are signed out.</p><p><a href=\"/auth.html?mode=sign-in\">Log in</a></p>";
  } else {
    body += signInForm(signUp);
  }
  body += "\n<p id=\"status\" class=\"note\" role=\"status\"></p>\n<script>";
  body += kScript;
  body += "</script>";
  std::string document = htmlDocument(title, body);
  // The return path rides on the body element, where the script reads it.
  const std::string path =
      returnTo.empty() ? std::string(kDefaultReturnPath) : std::string(returnTo);
  const std::string bodyTag = "<body>";
  document.replace(document.find(bodyTag), bodyTag.size(),
                   "<body data-return-to=\"" + escapeHtml(path) + "\">");
  return document;
}

std::string_view authPageScript() {
  return kScript;
}

std::string verificationConfirmPage(std::string_view token, std::string_view email,
                                    std::string_view name) {
  std::string body = "<h1>Confirm your email address</h1>\n";
  body += "<p>Confirm that you created the Ondi account <strong>" + escapeHtml(name) +
          "</strong> for " + escapeHtml(email) +
          ". Confirming makes the password chosen then "
          "the one that logs in.</p>\n";
  body +=
      "<p class=\"note\">If you did not sign up for Ondi, close this page: nothing changes "
      "without your confirmation.</p>\n";
  body += "<form method=\"post\" action=\"/api/auth/verify-email\">";
  body += "<input type=\"hidden\" name=\"token\" value=\"" + escapeHtml(token) + "\">";
  body += "<button type=\"submit\" id=\"confirm\">Verify email address</button></form>";
  return htmlDocument("Confirm your email address", body);
}

std::string verificationDonePage() {
  return htmlDocument("Email address verified",
                      "<h1>Your email address is verified</h1>\n<p>Return to the Ondi app and "
                      "log in.</p>");
}

std::string verificationInvalidPage() {
  return htmlDocument("Verification link not valid",
                      "<h1>This link is not valid</h1>\n<p>It has expired or was already used. "
                      "Log in from the Ondi app to get a new link.</p>");
}

}  // namespace ondi::server
