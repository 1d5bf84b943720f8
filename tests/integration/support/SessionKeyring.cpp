#include "SessionKeyring.h"

#define SECRET_API_SUBJECT_TO_CHANGE
#include <libsecret/secret.h>

#include "core/util/GlibHandles.h"

namespace {

namespace glib = ondi::glib;

bool succeeded(const glib::Error& error) {
  if (!error) return true;
  g_printerr("keyring: %s\n", error->message);
  return false;
}

glib::ObjectRef<SecretCollection> defaultCollection(SecretService* service) {
  glib::Error error;
  auto collection = glib::ObjectRef<SecretCollection>::adopt(secret_collection_for_alias_sync(
      service, "default", SECRET_COLLECTION_NONE, nullptr, error.out()));
  succeeded(error);
  return collection;
}

}  // namespace

namespace SessionKeyring {

std::optional<std::string> password() {
  const char* value = g_getenv("ONDI_TEST_KEYRING_PASSWORD");
  return value ? std::optional<std::string>(value) : std::nullopt;
}

bool lockDefaultCollection() {
  glib::Error error;
  const auto service = glib::ObjectRef<SecretService>::adopt(
      secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, error.out()));
  if (!succeeded(error)) return false;
  auto collection = defaultCollection(service.get());
  if (!collection) return false;
  GList objects{collection.get(), nullptr, nullptr};
  const int locked =
      secret_service_lock_sync(service.get(), &objects, nullptr, nullptr, error.out());
  return succeeded(error) && locked == 1;
}

// gnome-keyring's own interface for unlocking with a known password, which never prompts.
bool unlockDefaultCollection(const std::string& password) {
  glib::Error error;
  const auto service = glib::ObjectRef<SecretService>::adopt(
      secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, error.out()));
  if (!succeeded(error)) return false;
  auto collection = defaultCollection(service.get());
  if (!collection) return false;
  const glib::Owned<SecretValue, secret_value_unref> secret(
      secret_value_new(password.c_str(), -1, "text/plain"));
  GVariant* encoded = secret_service_encode_dbus_secret(service.get(), secret.get());
  const glib::Owned<GVariant, g_variant_unref> result(g_dbus_proxy_call_sync(
      G_DBUS_PROXY(service.get()),
      "org.gnome.keyring.InternalUnsupportedGuiltRiddenInterface.UnlockWithMasterPassword",
      g_variant_new("(o@(oayays))", g_dbus_proxy_get_object_path(G_DBUS_PROXY(collection.get())),
                    encoded),
      G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, error.out()));
  return succeeded(error);
}

}  // namespace SessionKeyring
