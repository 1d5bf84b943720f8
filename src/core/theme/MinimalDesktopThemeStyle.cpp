#include "core/theme/MinimalDesktopThemeStyle.h"

#include "core/theme/VelmoraWebThemePalette.h"

namespace ondi {
namespace {

constexpr const char* kLayout = R"css(
body.velmora-desktop-shell .app-shell { grid-template-columns: minmax(0, 1fr) !important; }
body.velmora-desktop-shell .sidebar,
body.velmora-desktop-shell .inspector,
body.velmora-desktop-shell #installButton,
body.velmora-desktop-shell #shareButton { display: none !important; }
body.velmora-desktop-shell .chat-pane { grid-column: 1 / -1 !important; }
)css";

constexpr const char* kSurfaces = R"css(
body.velmora-desktop-shell { background: var(--bg); color: var(--text); }
body.velmora-desktop-shell .topbar {
  min-height: 48px;
  background: var(--sidebar);
  border-bottom: 1px solid var(--line);
  color: var(--text);
}
body.velmora-desktop-shell button,
body.velmora-desktop-shell select,
body.velmora-desktop-shell input,
body.velmora-desktop-shell textarea { border-radius: 8px; }
body.velmora-desktop-shell li,
body.velmora-desktop-shell .thread-item,
body.velmora-desktop-shell .list-item { border-radius: 7px; }
body.velmora-desktop-shell .panel,
body.velmora-desktop-shell .card {
  background: var(--surface);
  border: 1px solid var(--line);
}
body.velmora-desktop-shell .panel-muted,
body.velmora-desktop-shell .chip { background: var(--surface-2); border: 1px solid var(--line); }
body.velmora-desktop-shell .primary,
body.velmora-desktop-shell .send-button {
  background: var(--control);
  color: var(--control-ink);
  border: 1px solid var(--control);
}
body.velmora-desktop-shell .muted,
body.velmora-desktop-shell .meta { color: var(--muted); }
body.velmora-desktop-shell .thread { background: transparent; }
body.velmora-desktop-shell .welcome {
  background: var(--surface);
  border: 1px solid var(--line);
  border-radius: 10px;
  box-shadow: var(--shadow);
  color: var(--text);
}
body.velmora-desktop-shell .welcome .kicker { color: var(--accent); }
body.velmora-desktop-shell .message {
  background: var(--surface);
  border: 1px solid var(--line);
  border-radius: 10px;
  box-shadow: 0 1px 2px var(--line);
}
body.velmora-desktop-shell .message.user { background: var(--user); }
body.velmora-desktop-shell .composer {
  position: relative;
  background: var(--surface);
  border: 1px solid var(--line-strong);
  border-radius: 10px;
  box-shadow: var(--shadow);
}
body.velmora-desktop-shell .composer textarea,
body.velmora-desktop-shell .composer input {
  background: transparent;
  color: var(--text);
  border: 0;
}
body.velmora-desktop-shell .composer textarea::placeholder { color: var(--muted-2); }
body.velmora-desktop-shell .voice-widget {
  background: var(--surface-2);
  border: 1px solid var(--line);
  border-radius: 10px;
  color: var(--text);
}
body.velmora-desktop-shell a { color: var(--accent); }
.velmora-ai-disclaimer {
  pointer-events: none;
  margin: 8px 0 0;
  color: var(--muted-2);
  font-size: 12px;
  line-height: 1.4;
  text-align: center;
}
)css";

// Flat chrome: no shadows or rounding, and thin icon strokes. The strokes are set on the
// shapes themselves, where they override the icons' own stroke attributes.
constexpr const char* kFlatVariants = R"css(
html[data-velmora-theme="unified-workspace"] .thread,
html[data-velmora-theme="unified-workspace"] .welcome,
html[data-velmora-theme="unified-workspace"] .message,
html[data-velmora-theme="unified-workspace"] .composer,
html[data-velmora-theme="quiet-aperture"] .thread,
html[data-velmora-theme="quiet-aperture"] .welcome,
html[data-velmora-theme="quiet-aperture"] .message,
html[data-velmora-theme="quiet-aperture"] .composer { box-shadow: none; border-radius: 0; }
html[data-velmora-theme="unified-workspace"] .thread svg *,
html[data-velmora-theme="unified-workspace"] .welcome svg *,
html[data-velmora-theme="unified-workspace"] .message svg *,
html[data-velmora-theme="unified-workspace"] .composer svg *,
html[data-velmora-theme="quiet-aperture"] .thread svg *,
html[data-velmora-theme="quiet-aperture"] .welcome svg *,
html[data-velmora-theme="quiet-aperture"] .message svg *,
html[data-velmora-theme="quiet-aperture"] .composer svg * { stroke-width: 0.9; }
)css";

std::string rootRule() {
  std::string rule = ":root {\n  color-scheme: light;\n";
  for (const auto& [name, value] : webPalette(VelmoraTheme::washiStudio).cssVariables()) {
    rule += "  " + name + ": " + value + ";\n";
  }
  return rule + "  --shadow: 0 14px 38px rgba(0,0,0,0.08);\n}\n";
}

}  // namespace

std::string minimalDesktopThemeStyleSheet() {
  return rootRule() + kLayout + kSurfaces + kFlatVariants;
}

}  // namespace ondi
