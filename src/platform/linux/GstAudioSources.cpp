#include "platform/linux/GstAudioSources.h"

#include <gst/gst.h>

#include <string_view>

#include "core/util/GlibHandles.h"

namespace ondi::platform {

namespace {

// The monitor of an output hears what the computer plays, not the user.
bool isOutputMonitor(GstDevice* device) {
  GstStructure* properties = gst_device_get_properties(device);
  if (!properties) return false;
  const char* deviceClass = gst_structure_get_string(properties, "device.class");
  const bool monitor = deviceClass && std::string_view(deviceClass) == "monitor";
  gst_structure_free(properties);
  return monitor;
}

}  // namespace

bool hasMicrophoneSource() {
  const auto monitor = glib::ObjectRef<GstDeviceMonitor>::adopt(gst_device_monitor_new());
  gst_device_monitor_add_filter(monitor.get(), "Audio/Source", nullptr);
  if (!gst_device_monitor_start(monitor.get())) return false;
  const glib::OwnedList<GstDevice, gst_object_unref> devices(
      gst_device_monitor_get_devices(monitor.get()));
  gst_device_monitor_stop(monitor.get());
  for (GList* item = devices.get(); item; item = item->next) {
    if (!isOutputMonitor(GST_DEVICE(item->data))) return true;
  }
  return false;
}

}  // namespace ondi::platform
