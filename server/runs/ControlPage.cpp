#include "runs/ControlPage.h"

#include <nlohmann/json.hpp>

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

constexpr std::string_view kStyle =
    "*{box-sizing:border-box}"
    "body{margin:0;background:#000;color:#E8E8EC;"
    "font:14px/1.5 system-ui,\"Segoe UI\",Cantarell,\"Noto Sans\",Arial,sans-serif}"
    "header{display:flex;align-items:baseline;gap:.8rem;padding:.6rem 1rem}"
    "h1{font-size:1rem;margin:0;flex:1;overflow:hidden;text-overflow:ellipsis;white-space:nowrap}"
    "#runner-status{font-size:.75rem;letter-spacing:.08em;text-transform:uppercase;"
    "color:#8FD19E}"
    ".browser{margin:0 1rem 1rem;border-radius:.6rem;overflow:hidden;background:#1D1F24}"
    "#tabs{display:flex;gap:4px;margin:0;padding:6px 6px 0;list-style:none}"
    "#tabs li{padding:.3rem .7rem;border-radius:.4rem .4rem 0 0;background:#34373E;"
    "font-size:.8rem;max-width:12rem;overflow:hidden;text-overflow:ellipsis;white-space:nowrap}"
    "#tabs li.current{background:#4E525C}#tabs li.closed{display:none}"
    "#page-url{display:block;margin:6px 12px;padding:.2rem .6rem;border-radius:1rem;"
    "background:#ECECF0;color:#1B1B19;font-size:.8rem;overflow:hidden;white-space:nowrap;"
    "text-overflow:ellipsis}"
    "#page-title{margin:0;padding:.2rem 12px .4rem;font-size:.85rem;font-weight:500}"
    "svg{display:block;width:100%;height:auto}";

// The itinerary and the moment served, for the page's script.
std::string browserScriptData(const RunnerSession& session, const RunnerMoment& moment) {
  nlohmann::json pages = nlohmann::json::array();
  for (const BrowserPage& page : session.itinerary) {
    pages.push_back(
        {{"title", page.title}, {"url", page.url}, {"closesAfterVisit", page.closesAfterVisit}});
  }
  const std::string data = nlohmann::json{{"pages", pages},
                                          {"elapsed", moment.elapsedSeconds},
                                          {"secondsPerPage", kSecondsPerPage},
                                          {"openingSeconds", kOpeningSeconds},
                                          {"lifetimeSeconds", kSessionLifetimeSeconds}}
                               .dump();
  // "<" only occurs inside strings, where its escape keeps "</script>" from ending the script.
  std::string escaped;
  for (const char c : data) {
    if (c == '<') {
      escaped += "\\u003c";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

constexpr std::string_view kScript = R"js(
const browser = JSON.parse(document.getElementById("browser-data").textContent);
const servedAt = performance.now();
const status = document.getElementById("runner-status");
const pageTitle = document.getElementById("page-title");
const pageUrl = document.getElementById("page-url");
const tabs = document.querySelectorAll("#tabs li");
const colours = ["#F6F3EA", "#DFECFA", "#E8F6E6", "#F4E6F6"];
function show() {
  const elapsed = Math.min(browser.elapsed + (performance.now() - servedAt) / 1000,
                           browser.lifetimeSeconds);
  const index = Math.floor(elapsed / browser.secondsPerPage) % browser.pages.length;
  const page = browser.pages[index];
  if (elapsed >= browser.lifetimeSeconds) {
    status.textContent = "Session ended";
  } else {
    status.textContent = elapsed < browser.openingSeconds ? "Opening" : "Live";
  }
  pageTitle.textContent = page.title;
  pageUrl.textContent = page.url;
  document.title = page.title;
  tabs.forEach((tab, at) => {
    tab.classList.toggle("current", at === index);
    tab.classList.toggle("closed", browser.pages[at].closesAfterVisit && at < index);
  });
  const into = (elapsed % browser.secondsPerPage) / browser.secondsPerPage;
  document.getElementById("page").setAttribute("fill", colours[index % colours.length]);
  document.getElementById("loading").setAttribute("width", String(480 * into));
  document.getElementById("lines").setAttribute("transform",
                                                "translate(0 " + -((elapsed * 7) % 22) + ")");
const pointer = document.getElementById("pointer");
pointer.setAttribute("x", String(20 + (elapsed * 37) % 440));
pointer.setAttribute("y", String(20 + (elapsed * 23) % 180));
return elapsed < browser.lifetimeSeconds;
}
// Twice a second is enough for a browser that changes page every few seconds, and keeps the
// page from drawing on every frame of the display.
const ticker = setInterval(() => {
  if (!show()) clearInterval(ticker);
}, 500);
show();
)js";

std::string tabList(const RunnerSession& session, const RunnerMoment& moment) {
  std::string tabs = "<ol id=\"tabs\">";
  for (std::size_t index = 0; index < session.itinerary.size(); ++index) {
    const BrowserPage& page = session.itinerary[index];
    std::string classes = index == moment.pageIndex ? "current" : "";
    if (page.closesAfterVisit && index < moment.pageIndex) classes = "closed";
    tabs += "<li class=\"" + classes + "\">" + escapeHtml(page.title) + "</li>";
  }
  return tabs + "</ol>";
}

std::string statusText(const RunnerMoment& moment) {
  if (moment.status == "closed") return "Session ended";
  return moment.status == "opening" ? "Opening" : "Live";
}

std::string pagePicture() {
  std::string lines;
  for (int y = 16, line = 0; y < 262; y += 22, ++line) {
    lines += "<rect x=\"32\" y=\"" + std::to_string(y) + "\" width=\"" +
             std::to_string(416 - (line % 3) * 60) + "\" height=\"8\" fill=\"#787C86\"/>";
  }
  return "<svg id=\"frame\" viewBox=\"0 0 480 240\" role=\"img\" aria-label=\"The browser's page\">"
         "<rect id=\"page\" width=\"480\" height=\"240\" fill=\"#F6F3EA\"/>"
         "<g id=\"lines\">" +
         lines +
         "</g><rect id=\"loading\" width=\"0\" height=\"3\" fill=\"#BB2D1E\"/>"
         "<rect id=\"pointer\" x=\"20\" y=\"20\" width=\"10\" height=\"14\" fill=\"#141414\"/>"
         "</svg>";
}

}  // namespace

Response controlPage(const RunnerSession& session, std::int64_t now) {
  const RunnerMoment moment = momentAt(session, now);
  std::string page = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">";
  page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";
  page += "<title>" + escapeHtml(moment.page.title) + "</title><style>";
  page += kStyle;
  page += "</style></head><body><header><h1 id=\"run-title\">" + escapeHtml(session.title) +
          "</h1><span id=\"runner-status\">" + statusText(moment) + "</span></header>";
  page += "<section class=\"browser\" aria-label=\"Ondi secure browser\">";
  page += tabList(session, moment);
  page += "<output id=\"page-url\">" + escapeHtml(moment.page.url) + "</output>";
  page += "<h2 id=\"page-title\">" + escapeHtml(moment.page.title) + "</h2>";
  page += pagePicture();
  page += "</section><script type=\"application/json\" id=\"browser-data\">" +
          browserScriptData(session, moment) + "</script>";
  page += "<script>" + std::string(kScript) + "</script></body></html>";
  return Response::page(200, std::move(page), {kScript});
}

}  // namespace ondi::server
