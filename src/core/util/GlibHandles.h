#pragma once

#include <gio/gio.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

// Owners for GLib memory: every GObject, C pointer and C++ callable handed to GLib has one
// holder, so that nothing is freed by hand on the way out of a function.
namespace ondi::glib {

// A C pointer freed with `Free` (g_free, g_error_free, g_bytes_unref, a boxed type's free or
// unref function) when the holder goes.
template <typename T, auto Free>
class Owned {
 public:
  Owned() = default;
  explicit Owned(T* pointer) : pointer_(pointer) {}
  Owned(Owned&& other) noexcept : pointer_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~Owned() { reset(); }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  T* release() { return std::exchange(pointer_, nullptr); }
  void reset(T* pointer = nullptr) {
    if (T* old = std::exchange(pointer_, pointer)) Free(old);
  }
  // The slot for a C call's out-parameter (`GError**`, `char**`); frees what was held first.
  T** out() {
    reset();
    return &pointer_;
  }

 private:
  T* pointer_ = nullptr;
};

using String = Owned<char, g_free>;
using Error = Owned<GError, g_error_free>;

// The text of a string GLib allocated for the caller, which it frees; empty for none.
inline std::string takeString(char* text) {
  const String owned(text);
  return owned ? std::string(owned.get()) : std::string();
}

template <typename Item, auto FreeItem>
void freeList(GList* list) {
  g_list_free_full(list, [](gpointer item) { FreeItem(static_cast<Item*>(item)); });
}

// A GList that owns its items as well as its links.
template <typename Item, auto FreeItem>
using OwnedList = Owned<GList, freeList<Item, FreeItem>>;

// One reference to a GObject. Copies take references of their own.
template <typename T>
class ObjectRef {
 public:
  ObjectRef() = default;
  // Takes over a reference the caller owns: a constructor's or a transfer-full return's.
  static ObjectRef adopt(T* object) { return ObjectRef(object); }
  // Takes a new reference to an object that stays someone else's too.
  static ObjectRef retain(T* object) {
    return ObjectRef(object ? static_cast<T*>(g_object_ref(object)) : nullptr);
  }
  // Takes over a newly made object whose first reference is floating, such as a widget.
  static ObjectRef sink(T* object) { return ObjectRef(static_cast<T*>(g_object_ref_sink(object))); }

  ObjectRef(const ObjectRef& other) : ObjectRef(retain(other.object_).release()) {}
  ObjectRef(ObjectRef&& other) noexcept : object_(other.release()) {}
  ObjectRef& operator=(ObjectRef other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~ObjectRef() {
    if (object_) g_object_unref(object_);
  }

  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  T* release() { return std::exchange(object_, nullptr); }

 private:
  explicit ObjectRef(T* object) : object_(object) {}

  T* object_ = nullptr;
};

// Moves `value` to the heap to travel through a C API's user data; the one call that
// receives it takes it back with `takeBack`.
template <typename T>
gpointer handOver(T value) {
  return new T(std::move(value));
}

template <typename T>
std::unique_ptr<T> takeBack(gpointer data) {
  return std::unique_ptr<T>(static_cast<T*>(data));
}

// A callable as a GAsyncReadyCallback and its user data. GIO calls back exactly once,
// cancelled or not, so the callable goes right after its call.
struct AsyncReady {
  GAsyncReadyCallback callback;
  gpointer data;
};

template <typename Fn>
AsyncReady asyncReady(Fn fn) {
  return {[](GObject* source, GAsyncResult* result, gpointer data) {
            (*takeBack<Fn>(data))(source, result);
          },
          handOver(std::move(fn))};
}

// A callable as a GSourceFunc, its user data and their GDestroyNotify. The source calls it
// on every dispatch (it answers G_SOURCE_CONTINUE or G_SOURCE_REMOVE) and frees it when the
// source goes, whether it ran or not.
struct SourceCallback {
  GSourceFunc callback;
  gpointer data;
  GDestroyNotify destroy;
};

template <typename Fn>
SourceCallback sourceCallback(Fn fn) {
  return {[](gpointer data) -> gboolean { return (*static_cast<Fn*>(data))(); },
          handOver(std::move(fn)), [](gpointer data) { takeBack<Fn>(data); }};
}

// Runs `fn` once on a later turn of the default main context, like g_idle_add_once; the
// source id removes it before then.
template <typename Fn>
unsigned idleOnce(Fn fn, int priority = G_PRIORITY_DEFAULT_IDLE) {
  const SourceCallback call = sourceCallback([fn = std::move(fn)]() mutable -> gboolean {
    fn();
    return G_SOURCE_REMOVE;
  });
  return g_idle_add_full(priority, call.callback, call.data, call.destroy);
}

// Connects `fn`, called with the signal's arguments `Args...` (the emitter first), to
// `signal` of `instance`. The callable lives as long as the connection.
template <typename... Args, typename Fn>
gulong connectSignal(gpointer instance, const char* signal, Fn fn) {
  using Result = std::invoke_result_t<Fn&, Args...>;
  Result (*handler)(Args..., gpointer) = [](Args... args, gpointer data) -> Result {
    return (*static_cast<Fn*>(data))(args...);
  };
  return g_signal_connect_data(
      instance, signal, G_CALLBACK(handler), handOver(std::move(fn)),
      [](gpointer data, GClosure*) { takeBack<Fn>(data); }, GConnectFlags{});
}

}  // namespace ondi::glib
