#include "core/theme/VelmoraWebThemePalette.h"

namespace ondi {

std::map<std::string, std::string> VelmoraWebThemePalette::cssVariables() const {
  return {
      {"--accent", accent},
      {"--accent-2", secondaryInk},
      {"--bg", workspace},
      {"--clay", accent},
      {"--control", control},
      {"--control-ink", controlInk},
      {"--line", line},
      {"--line-strong", strongLine},
      {"--muted", secondaryInk},
      {"--muted-2", muted},
      {"--panel", surface},
      {"--panel-2", surfaceMuted},
      {"--sidebar", shell},
      {"--soft", muted},
      {"--surface", surface},
      {"--surface-2", surfaceMuted},
      {"--surface-3", surfaceMuted},
      {"--text", ink},
      {"--user", surfaceMuted},
  };
}

VelmoraWebThemePalette webPalette(VelmoraTheme theme) {
  switch (theme) {
    case VelmoraTheme::washiStudio:
    case VelmoraTheme::washiEmber:
      return {"#F6F3EA",
              "#F6F3EA",
              "#FBF9F3",
              "#EDE9DF",
              "#1B1B19",
              "#FBF9F3",
              "#1B1B19",
              "#4E4B45",
              "#797367",
              "#BB2D1E",
              "rgba(27,27,25,0.105)",
              "rgba(27,27,25,0.205)"};
    case VelmoraTheme::porcelainAir:
      return {"#FFFFFF", "#FFFFFF", "#FFFFFF", "#F1F1F1", "#0B0B0B",           "#FFFFFF",
              "#111111", "#535353", "#888888", "#0B0B0B", "rgba(0,0,0,0.075)", "rgba(0,0,0,0.145)"};
    case VelmoraTheme::teaHouseSand:
      return {"#EADDC7",
              "#F7F0E1",
              "#FDF9F0",
              "#E2D2B6",
              "#23201B",
              "#FDF9F0",
              "#23201B",
              "#574F42",
              "#81735D",
              "#A33C25",
              "rgba(35,32,27,0.115)",
              "rgba(35,32,27,0.220)"};
    case VelmoraTheme::quietAperture:
    case VelmoraTheme::unifiedWorkspace:
      return {"#FFFFFF", "#FFFFFF", "#FFFFFF", "#F4F4F4", "#0E0E0E",           "#FFFFFF",
              "#0E0E0E", "#505050", "#959595", "#0E0E0E", "rgba(0,0,0,0.085)", "rgba(0,0,0,0.145)"};
  }
  return webPalette(VelmoraTheme::washiStudio);
}

}  // namespace ondi
