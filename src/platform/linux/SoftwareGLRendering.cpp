#include "platform/linux/SoftwareGLRendering.h"

#include <epoxy/egl.h>
#include <epoxy/gl.h>
#include <glib.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace ondi::platform {
namespace {

constexpr std::string_view kCategory = "app";

// The renderer names of Mesa's drivers that rasterize on the CPU.
bool isSoftwareRenderer(std::string_view renderer) {
  constexpr std::array<std::string_view, 3> kSoftware{"llvmpipe", "softpipe",
                                                      "Software Rasterizer"};
  return std::ranges::any_of(kSoftware,
                             [renderer](std::string_view name) { return renderer.contains(name); });
}

// Whether OpenGL could run on a graphics device here: a DRM render node, or NVIDIA's own driver.
bool hasGraphicsDevice() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    if (entry.path().filename().string().starts_with("renderD")) return true;
  }
  return std::filesystem::exists("/dev/nvidiactl", error);
}

// The OpenGL renderer of the default EGL display; empty when there is none. The display is
// EGL's own, not GDK's: once GDK has set up OpenGL for its display, web views drawn with cairo
// stay blank.
std::string openGLRenderer() {
  EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) return {};
  std::string renderer;
  if (eglBindAPI(EGL_OPENGL_API)) {
    EGLContext context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
    if (context != EGL_NO_CONTEXT &&
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
      const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
      if (name) renderer = name;
      eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    if (context != EGL_NO_CONTEXT) eglDestroyContext(display, context);
  }
  eglTerminate(display);
  return renderer;
}

}  // namespace

void drawWithCairoOnSoftwareGL(Logger& logger) {
  if (g_getenv("GSK_RENDERER")) return;
  // Setting up EGL takes about a tenth of a second, which a machine without a graphics device
  // need not spend: its OpenGL can only be software.
  const std::string renderer = hasGraphicsDevice() ? openGLRenderer() : "no graphics device";
  if (renderer != "no graphics device" && !isSoftwareRenderer(renderer)) return;
  g_setenv("GSK_RENDERER", "cairo", FALSE);
  logger.info(kCategory, "OpenGL renders in software (" + renderer + "); windows draw with cairo");
}

}  // namespace ondi::platform
