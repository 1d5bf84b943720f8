#include "platform/linux/BundledSurfaceResources.h"

#include "core/theme/DesktopThemeScripts.h"
#include "platform/linux/Resources.h"

namespace ondi::platform {

SurfaceResources bundledSurfaceResources(VelmoraTheme defaultTheme) {
  SurfaceResources resources{
      .desktopThemeScript = resourceText("/com/velmora/desktop/surface/desktop-theme.js"),
      .minimalThemeScript = resourceText("/com/velmora/desktop/surface/minimal-theme.js"),
      .minimalThemeStyleSheet = resourceText("/com/velmora/desktop/surface/minimal-theme.css"),
  };
  resources.desktopChatHTML =
      desktopChatHTMLWithThemeScript(resourceText("/com/velmora/desktop/operator.html"),
                                     resources.desktopThemeScript, defaultTheme);
  return resources;
}

}  // namespace ondi::platform
