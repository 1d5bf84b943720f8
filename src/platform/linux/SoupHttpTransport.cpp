#include "platform/linux/SoupHttpTransport.h"

#include <memory>

#include "core/util/GlibHandles.h"
#include "platform/linux/SoupCookies.h"

namespace ondi::platform {
namespace {

using Completion = std::function<void(std::expected<HttpResponse, TransportError>)>;

// One request in flight: its message, the time-out that cancels it and the completion.
struct Exchange {
  glib::ObjectRef<SoupMessage> message;
  glib::ObjectRef<GCancellable> cancellable;
  unsigned timeoutSource = 0;
  bool timedOut = false;
  Completion completion;

  ~Exchange() {
    if (timeoutSource) g_source_remove(timeoutSource);
  }
};

HttpResponse responseOf(SoupMessage* message, GBytes* body) {
  HttpResponse response;
  response.statusCode = static_cast<int>(soup_message_get_status(message));
  SoupMessageHeadersIter iter;
  const char* name = nullptr;
  const char* value = nullptr;
  soup_message_headers_iter_init(&iter, soup_message_get_response_headers(message));
  while (soup_message_headers_iter_next(&iter, &name, &value)) {
    response.headers.emplace_back(name, value);
  }
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(body, &size));
  response.body.assign(data ? data : "", size);
  const glib::Owned<GSList, soup_cookies_free> cookies(soup_cookies_from_response(message));
  for (GSList* item = cookies.get(); item; item = item->next) {
    response.cookies.push_back(cookieFromSoup(static_cast<SoupCookie*>(item->data)));
  }
  return response;
}

void finished(Exchange& exchange, GObject* source, GAsyncResult* result) {
  glib::Error error;
  const glib::Owned<GBytes, g_bytes_unref> body(
      soup_session_send_and_read_finish(SOUP_SESSION(source), result, error.out()));
  if (!body) {
    std::string message = exchange.timedOut ? "The request timed out." : error->message;
    exchange.completion(std::unexpected(TransportError{std::move(message)}));
    return;
  }
  exchange.completion(responseOf(exchange.message.get(), body.get()));
}

}  // namespace

SoupHttpTransport::SoupHttpTransport()
    : session_(glib::ObjectRef<SoupSession>::adopt(
          soup_session_new_with_options("timeout", 0u, "idle-timeout", 60u, nullptr))) {}

SoupHttpTransport::~SoupHttpTransport() {
  soup_session_abort(session_.get());
}

void SoupHttpTransport::send(const HttpRequest& request, Completion completion) {
  auto owned = glib::ObjectRef<SoupMessage>::adopt(
      soup_message_new(request.method.c_str(), request.url.c_str()));
  SoupMessage* message = owned.get();
  if (!message) {
    completion(std::unexpected(TransportError{"The request address is not valid."}));
    return;
  }
  // Every request carries hand-set credentials, which libsoup would send on to any address a
  // redirect names: a redirect is the answer instead.
  soup_message_add_flags(message, SOUP_MESSAGE_NO_REDIRECT);
  if (request.body) {
    const glib::Owned<GBytes, g_bytes_unref> body(
        g_bytes_new(request.body->data(), request.body->size()));
    soup_message_set_request_body_from_bytes(message, nullptr, body.get());
  }
  // Headers go on after the body, which would otherwise reset Content-Type.
  SoupMessageHeaders* headers = soup_message_get_request_headers(message);
  for (const auto& [name, value] : request.headers) {
    soup_message_headers_replace(headers, name.c_str(), value.c_str());
  }
  auto exchange = std::make_unique<Exchange>(
      std::move(owned), glib::ObjectRef<GCancellable>::adopt(g_cancellable_new()), 0u, false,
      std::move(completion));
  exchange->timeoutSource = g_timeout_add_full(
      G_PRIORITY_DEFAULT, static_cast<unsigned>(request.timeout.count()),
      [](gpointer data) -> gboolean {
        auto* pending = static_cast<Exchange*>(data);
        pending->timeoutSource = 0;
        pending->timedOut = true;
        g_cancellable_cancel(pending->cancellable.get());
        return G_SOURCE_REMOVE;
      },
      exchange.get(), nullptr);
  GCancellable* cancellable = exchange->cancellable.get();
  const auto done =
      glib::asyncReady([exchange = std::move(exchange)](GObject* source, GAsyncResult* result) {
        finished(*exchange, source, result);
      });
  soup_session_send_and_read_async(session_.get(), message, G_PRIORITY_DEFAULT, cancellable,
                                   done.callback, done.data);
}

}  // namespace ondi::platform
