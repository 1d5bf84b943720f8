#pragma once

#include <gio/gio.h>
#include <glib.h>

#include "core/ports/SecretStore.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

// Generic passwords in the Secret Service (gnome-keyring, KWallet) through libsecret: the
// service names the schema, whose one attribute is "account". New items go into the default
// collection. Reads without interaction never unlock, so they never prompt; everything else
// may ask the user to unlock the keyring. libsecret's blocking calls run on a worker thread of
// the store's own, one at a time; completions run on the main context of the thread that made
// the store.
class LibsecretSecretStore final : public SecretStore {
 public:
  LibsecretSecretStore();
  // Cancels the call in progress and skips the queued ones; their completions never run.
  ~LibsecretSecretStore() override;
  LibsecretSecretStore(const LibsecretSecretStore&) = delete;
  LibsecretSecretStore& operator=(const LibsecretSecretStore&) = delete;

  void read(const std::string& service, const std::string& account, bool allowInteraction,
            ReadCompletion completion) override;
  void update(const std::string& service, const std::string& account, const std::string& secret,
              Completion completion) override;
  void add(const std::string& service, const std::string& account, const std::string& secret,
           Completion completion) override;
  void remove(const std::string& service, const std::string& account,
              Completion completion) override;

 private:
  template <typename Result>
  void run(std::function<Result(GCancellable*)> work, std::function<void(Result)> completion);

  glib::Owned<GMainContext, g_main_context_unref> context_;
  glib::ObjectRef<GCancellable> cancellable_;
  GThreadPool* worker_;
};

}  // namespace ondi::platform
