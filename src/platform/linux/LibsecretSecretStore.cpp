#include "platform/linux/LibsecretSecretStore.h"

#include <libsecret/secret.h>

#include <functional>
#include <memory>
#include <optional>

#include "core/util/GlibHandles.h"

namespace ondi::platform {
namespace {

using ItemList = glib::OwnedList<SecretItem, g_object_unref>;
using Value = glib::Owned<SecretValue, secret_value_unref>;

// The schema of one service's items; valid while `service` is.
SecretSchema schemaFor(const std::string& service) {
  return {service.c_str(),
          SECRET_SCHEMA_NONE,
          {{"account", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
          0,
          nullptr,
          nullptr,
          nullptr,
          nullptr,
          nullptr,
          nullptr,
          nullptr};
}

bool isUnavailable(const GError* error) {
  return error->domain == G_DBUS_ERROR ||
         (error->domain == G_IO_ERROR && error->code != G_IO_ERROR_CANCELLED);
}

std::int32_t codeOf(const GError* error) {
  if (error->domain == SECRET_ERROR) {
    switch (error->code) {
      case SECRET_ERROR_IS_LOCKED:
        return SecretStatus::interactionNotAllowed;
      case SECRET_ERROR_NO_SUCH_OBJECT:
        return SecretStatus::itemNotFound;
      case SECRET_ERROR_ALREADY_EXISTS:
        return SecretStatus::duplicateItem;
      default:
        return SecretStatus::internalComponent;
    }
  }
  if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED)) return SecretStatus::userCanceled;
  if (isUnavailable(error)) return SecretStatus::notAvailable;
  return SecretStatus::internalComponent;
}

// The error's status, described by the service's own message.
SecretStatus statusOf(const glib::Error& error) {
  if (g_dbus_error_is_remote_error(error.get())) g_dbus_error_strip_remote_error(error.get());
  return {codeOf(error.get()), std::string(error->message)};
}

SecretStatus stillLocked(bool allowedInteraction) {
  return allowedInteraction ? SecretStatus{SecretStatus::userCanceled, "The keyring is locked."}
                            : SecretStatus{SecretStatus::interactionNotAllowed, std::nullopt};
}

// The items of (service, account), unlocked ones first. With `interactive`, locked items are
// unlocked, which may ask the user.
std::expected<ItemList, SecretStatus> search(const std::string& service, const std::string& account,
                                             int flags, bool interactive,
                                             GCancellable* cancellable) {
  glib::Error error;
  const auto secrets = glib::ObjectRef<SecretService>::adopt(
      secret_service_get_sync(SECRET_SERVICE_NONE, cancellable, error.out()));
  if (!secrets) return std::unexpected(statusOf(error));
  const SecretSchema schema = schemaFor(service);
  const glib::Owned<GHashTable, g_hash_table_unref> attributes(
      secret_attributes_build(&schema, "account", account.c_str(), nullptr));
  if (interactive) flags |= SECRET_SEARCH_UNLOCK;
  ItemList items(secret_service_search_sync(secrets.get(), &schema, attributes.get(),
                                            static_cast<SecretSearchFlags>(flags), cancellable,
                                            error.out()));
  if (error) return std::unexpected(statusOf(error));
  return items;
}

SecretItem* itemAt(GList* link) {
  return SECRET_ITEM(link->data);
}

// The blocking calls, run on the store's worker thread.

SecretStore::ReadResult readItem(const std::string& service, const std::string& account,
                                 bool allowInteraction, GCancellable* cancellable) {
  auto items = search(service, account, SECRET_SEARCH_LOAD_SECRETS, allowInteraction, cancellable);
  if (!items) return std::unexpected(items.error());
  if (!*items) return std::nullopt;
  SecretItem* item = itemAt(items->get());
  const Value value(secret_item_get_locked(item) ? nullptr : secret_item_get_secret(item));
  // A locked item comes back without its secret.
  if (!value) return std::unexpected(stillLocked(allowInteraction));
  gsize length = 0;
  const gchar* data = secret_value_get(value.get(), &length);
  return std::string(data, length);
}

SecretStatus updateItem(const std::string& service, const std::string& account,
                        const std::string& secret, GCancellable* cancellable) {
  auto items = search(service, account, SECRET_SEARCH_NONE, true, cancellable);
  if (!items) return items.error();
  if (!*items) return {SecretStatus::itemNotFound, std::nullopt};
  SecretItem* item = itemAt(items->get());
  if (secret_item_get_locked(item)) return stillLocked(true);
  const Value value(
      secret_value_new(secret.data(), static_cast<gssize>(secret.size()), "text/plain"));
  glib::Error error;
  if (!secret_item_set_secret_sync(item, value.get(), cancellable, error.out())) {
    return statusOf(error);
  }
  return {};
}

SecretStatus addItem(const std::string& service, const std::string& account,
                     const std::string& secret, GCancellable* cancellable) {
  const SecretSchema schema = schemaFor(service);
  const std::string label = service + ": " + account;
  glib::Error error;
  if (!secret_password_store_sync(&schema, SECRET_COLLECTION_DEFAULT, label.c_str(), secret.c_str(),
                                  cancellable, error.out(), "account", account.c_str(), nullptr)) {
    return error ? statusOf(error) : SecretStatus{SecretStatus::internalComponent, std::nullopt};
  }
  return {};
}

// Every item of the account goes, so that no older copy is read back afterwards. Locked items
// are unlocked first: the service refuses to delete them otherwise, without saying so.
SecretStatus removeItems(const std::string& service, const std::string& account,
                         GCancellable* cancellable) {
  auto items = search(service, account, SECRET_SEARCH_ALL, true, cancellable);
  if (!items) return items.error();
  if (!*items) return {SecretStatus::itemNotFound, std::nullopt};
  for (GList* link = items->get(); link; link = link->next) {
    SecretItem* item = itemAt(link);
    if (secret_item_get_locked(item)) return stillLocked(true);
    glib::Error error;
    if (!secret_item_delete_sync(item, cancellable, error.out())) return statusOf(error);
  }
  return {};
}

// One call: its blocking work, then its completion back on the caller's main context.
struct Job {
  std::function<void(GCancellable*)> work;
  std::function<void()> finish;
  glib::Owned<GMainContext, g_main_context_unref> context;
  glib::ObjectRef<GCancellable> cancellable;
};

// Runs on the worker; the completion's turn comes on the main loop, where a store that has
// gone away calls nothing.
void runJob(gpointer data, gpointer) {
  auto job = glib::takeBack<Job>(data);
  GCancellable* cancellable = job->cancellable.get();
  if (!g_cancellable_is_cancelled(cancellable)) job->work(cancellable);
  GMainContext* context = job->context.get();
  const auto finish = glib::sourceCallback([job = std::move(job)]() -> gboolean {
    if (!g_cancellable_is_cancelled(job->cancellable.get())) job->finish();
    return G_SOURCE_REMOVE;
  });
  const glib::Owned<GSource, g_source_unref> source(g_idle_source_new());
  g_source_set_callback(source.get(), finish.callback, finish.data, finish.destroy);
  g_source_attach(source.get(), context);
}

}  // namespace

LibsecretSecretStore::LibsecretSecretStore()
    : context_(g_main_context_ref_thread_default()),
      cancellable_(glib::ObjectRef<GCancellable>::adopt(g_cancellable_new())),
      // One worker: calls run one at a time, in order.
      worker_(g_thread_pool_new(runJob, nullptr, 1, FALSE, nullptr)) {}

LibsecretSecretStore::~LibsecretSecretStore() {
  g_cancellable_cancel(cancellable_.get());
  // Waits for the call in progress, which the cancellation cuts short; queued calls are
  // skipped. Their completions are dropped on the main loop.
  g_thread_pool_free(worker_, FALSE, TRUE);
}

template <typename Result>
void LibsecretSecretStore::run(std::function<Result(GCancellable*)> work,
                               std::function<void(Result)> completion) {
  auto result = std::make_shared<std::optional<Result>>();
  Job job{[work = std::move(work), result](GCancellable* cancellable) {
            result->emplace(work(cancellable));
          },
          [completion = std::move(completion), result] { completion(std::move(**result)); },
          glib::Owned<GMainContext, g_main_context_unref>(g_main_context_ref(context_.get())),
          cancellable_};
  g_thread_pool_push(worker_, glib::handOver(std::move(job)), nullptr);
}

void LibsecretSecretStore::read(const std::string& service, const std::string& account,
                                bool allowInteraction, ReadCompletion completion) {
  run<ReadResult>(
      [=](GCancellable* cancellable) {
        return readItem(service, account, allowInteraction, cancellable);
      },
      std::move(completion));
}

void LibsecretSecretStore::update(const std::string& service, const std::string& account,
                                  const std::string& secret, Completion completion) {
  run<SecretStatus>(
      [=](GCancellable* cancellable) { return updateItem(service, account, secret, cancellable); },
      std::move(completion));
}

void LibsecretSecretStore::add(const std::string& service, const std::string& account,
                               const std::string& secret, Completion completion) {
  run<SecretStatus>(
      [=](GCancellable* cancellable) { return addItem(service, account, secret, cancellable); },
      std::move(completion));
}

void LibsecretSecretStore::remove(const std::string& service, const std::string& account,
                                  Completion completion) {
  run<SecretStatus>(
      [=](GCancellable* cancellable) { return removeItems(service, account, cancellable); },
      std::move(completion));
}

}  // namespace ondi::platform
