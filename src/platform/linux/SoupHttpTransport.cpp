#include "platform/linux/SoupHttpTransport.h"

#include <memory>

#include "platform/linux/SoupCookies.h"

namespace ondi::platform {
namespace {

using Completion = std::function<void(std::expected<HttpResponse, TransportError>)>;

// One request in flight: its message, the time-out that cancels it and the completion.
struct Exchange {
  SoupMessage* message;
  GCancellable* cancellable;
  unsigned timeoutSource = 0;
  bool timedOut = false;
  Completion completion;

  ~Exchange() {
    if (timeoutSource) g_source_remove(timeoutSource);
    g_object_unref(cancellable);
    g_object_unref(message);
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
  GSList* cookies = soup_cookies_from_response(message);
  for (GSList* item = cookies; item; item = item->next) {
    response.cookies.push_back(cookieFromSoup(static_cast<SoupCookie*>(item->data)));
  }
  soup_cookies_free(cookies);
  return response;
}

void finished(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Exchange> exchange(static_cast<Exchange*>(data));
  GError* error = nullptr;
  GBytes* body = soup_session_send_and_read_finish(SOUP_SESSION(source), result, &error);
  if (!body) {
    std::string message = exchange->timedOut ? "The request timed out." : error->message;
    g_error_free(error);
    exchange->completion(std::unexpected(TransportError{std::move(message)}));
    return;
  }
  HttpResponse response = responseOf(exchange->message, body);
  g_bytes_unref(body);
  exchange->completion(std::move(response));
}

}  // namespace

SoupHttpTransport::SoupHttpTransport()
    : session_(soup_session_new_with_options("timeout", 0u, "idle-timeout", 60u, nullptr)) {}

SoupHttpTransport::~SoupHttpTransport() {
  soup_session_abort(session_);
  g_object_unref(session_);
}

void SoupHttpTransport::send(const HttpRequest& request, Completion completion) {
  SoupMessage* message = soup_message_new(request.method.c_str(), request.url.c_str());
  if (!message) {
    completion(std::unexpected(TransportError{"The request address is not valid."}));
    return;
  }
  // Every request carries hand-set credentials, which libsoup would send on to any address a
  // redirect names: a redirect is the answer instead.
  soup_message_add_flags(message, SOUP_MESSAGE_NO_REDIRECT);
  if (request.body) {
    GBytes* body = g_bytes_new(request.body->data(), request.body->size());
    soup_message_set_request_body_from_bytes(message, nullptr, body);
    g_bytes_unref(body);
  }
  // Headers go on after the body, which would otherwise reset Content-Type.
  SoupMessageHeaders* headers = soup_message_get_request_headers(message);
  for (const auto& [name, value] : request.headers) {
    soup_message_headers_replace(headers, name.c_str(), value.c_str());
  }
  auto* exchange = new Exchange{message, g_cancellable_new(), 0, false, std::move(completion)};
  exchange->timeoutSource = g_timeout_add_full(
      G_PRIORITY_DEFAULT, static_cast<unsigned>(request.timeout.count()),
      [](gpointer data) -> gboolean {
        auto* pending = static_cast<Exchange*>(data);
        pending->timeoutSource = 0;
        pending->timedOut = true;
        g_cancellable_cancel(pending->cancellable);
        return G_SOURCE_REMOVE;
      },
      exchange, nullptr);
  soup_session_send_and_read_async(session_, message, G_PRIORITY_DEFAULT, exchange->cancellable,
                                   finished, exchange);
}

}  // namespace ondi::platform
