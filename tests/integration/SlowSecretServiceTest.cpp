#include <gtest/gtest.h>

#include <gio/gio.h>
#include <libsecret/secret.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "MainLoop.h"
#include "core/util/GlibHandles.h"
#include "platform/linux/LibsecretSecretStore.h"

using namespace ondi;

namespace {

constexpr const char* kInterface = R"(<node>
  <interface name="org.freedesktop.Secret.Service">
    <method name="OpenSession">
      <arg name="algorithm" type="s" direction="in"/>
      <arg name="input" type="v" direction="in"/>
      <arg name="output" type="v" direction="out"/>
      <arg name="result" type="o" direction="out"/>
    </method>
    <method name="SearchItems">
      <arg name="attributes" type="a{ss}" direction="in"/>
      <arg name="unlocked" type="ao" direction="out"/>
      <arg name="locked" type="ao" direction="out"/>
    </method>
  </interface>
</node>)";

// A Secret Service on a connection of its own, served by this test's main loop, that holds
// every search until told to answer it (with no items). A store that blocked the main loop
// would never see its search answered.
class SlowSecretService {
 public:
  SlowSecretService() {
    glib::Error error;
    const glib::String address(
        g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, error.out()));
    if (address) {
      connection_ = glib::ObjectRef<GDBusConnection>::adopt(g_dbus_connection_new_for_address_sync(
          address.get(),
          static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                            G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
          nullptr, nullptr, error.out()));
    }
    if (!connection_) throw std::runtime_error(std::string("no session bus: ") + error->message);
    node_.reset(g_dbus_node_info_new_for_xml(kInterface, nullptr));
    static const GDBusInterfaceVTable vtable{handle, nullptr, nullptr, {}};
    registration_ =
        g_dbus_connection_register_object(connection_.get(), "/org/freedesktop/secrets",
                                          node_->interfaces[0], &vtable, this, nullptr, nullptr);
  }
  ~SlowSecretService() {
    for (GDBusMethodInvocation* call : held_) {
      g_dbus_method_invocation_return_dbus_error(call, "org.freedesktop.DBus.Error.Failed",
                                                 "The service is going away.");
    }
    g_dbus_connection_unregister_object(connection_.get(), registration_);
    g_dbus_connection_close_sync(connection_.get(), nullptr, nullptr);
  }
  SlowSecretService(const SlowSecretService&) = delete;
  SlowSecretService& operator=(const SlowSecretService&) = delete;

  std::string busName() const { return g_dbus_connection_get_unique_name(connection_.get()); }
  std::size_t heldSearches() const { return held_.size(); }
  void answerHeldSearches() {
    for (GDBusMethodInvocation* call : held_) {
      g_dbus_method_invocation_return_value(call, g_variant_new("(aoao)", nullptr, nullptr));
    }
    held_.clear();
  }

 private:
  static void handle(GDBusConnection*, const char*, const char*, const char*, const char* method,
                     GVariant*, GDBusMethodInvocation* call, gpointer data) {
    auto* self = static_cast<SlowSecretService*>(data);
    if (g_str_equal(method, "SearchItems")) {
      self->held_.push_back(call);
      return;
    }
    g_dbus_method_invocation_return_value(
        call, g_variant_new("(@vo)", g_variant_new_variant(g_variant_new_string("")),
                            "/org/freedesktop/secrets/session/slow"));
  }

  glib::ObjectRef<GDBusConnection> connection_;
  glib::Owned<GDBusNodeInfo, g_dbus_node_info_unref> node_;
  unsigned registration_ = 0;
  std::vector<GDBusMethodInvocation*> held_;
};

// The libsecret store, pointed at the slow service for the length of each test.
class SlowSecretServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_setenv("SECRET_SERVICE_BUS_NAME", service.busName().c_str(), TRUE);
    secret_service_disconnect();
  }
  void TearDown() override {
    secret_service_disconnect();
    g_unsetenv("SECRET_SERVICE_BUS_NAME");
  }

  SlowSecretService service;
};

TEST_F(SlowSecretServiceTest, TheMainLoopRunsWhileTheKeyringAnswersAndGetsTheCompletion) {
  platform::LibsecretSecretStore store;
  std::optional<SecretStore::ReadResult> result;
  std::thread::id completedOn;
  store.read("com.velmora.desktop.openai", "api-key-slow", false, [&](auto read) {
    result = std::move(read);
    completedOn = std::this_thread::get_id();
  });
  EXPECT_FALSE(result.has_value()) << "completed inside the call";

  // The search reaches the service only through this main loop, which stays free meanwhile.
  ASSERT_TRUE(runMainLoopUntil([&] { return service.heldSearches() > 0; }));
  bool idleRan = false;
  g_idle_add_once([](gpointer ran) { *static_cast<bool*>(ran) = true; }, &idleRan);
  ASSERT_TRUE(runMainLoopUntil([&] { return idleRan; }));
  EXPECT_FALSE(result.has_value()) << "completed before the service answered";

  service.answerHeldSearches();
  ASSERT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
  EXPECT_EQ(*result, std::nullopt);
  EXPECT_EQ(completedOn, std::this_thread::get_id());
}

TEST_F(SlowSecretServiceTest, AStoreThatGoesAwayMidCallDropsItsCompletion) {
  bool completed = false;
  {
    platform::LibsecretSecretStore store;
    store.read("com.velmora.desktop.openai", "api-key-slow", true, [&](auto) { completed = true; });
    ASSERT_TRUE(runMainLoopUntil([&] { return service.heldSearches() > 0; }));
  }
  // The store has handed its finished call back to the main loop before going; an idle queued
  // now runs after it.
  bool drained = false;
  g_idle_add_once([](gpointer ran) { *static_cast<bool*>(ran) = true; }, &drained);
  ASSERT_TRUE(runMainLoopUntil([&] { return drained; }));
  EXPECT_FALSE(completed);
}

}  // namespace
