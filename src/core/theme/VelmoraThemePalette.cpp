#include "core/theme/VelmoraThemePalette.h"

#include <cmath>
#include <cstdio>

namespace ondi {
namespace {

constexpr ThemeColor kWhite = ThemeColor::gray(1);
constexpr ThemeColor kBlack = ThemeColor::gray(0);

constexpr ThemeColor kWashiInk{0.105, 0.105, 0.098};
constexpr ThemeColor kWashiPaper{0.985, 0.977, 0.951};
constexpr ThemeColor kSandInk{0.137, 0.125, 0.105};
constexpr ThemeColor kSandPaper{0.992, 0.978, 0.941};

constexpr VelmoraThemePalette kWashi{
    .workspace = {0.965, 0.953, 0.918},
    .shell = {0.965, 0.953, 0.918},
    .surface = kWashiPaper,
    .surfaceMuted = {0.929, 0.914, 0.874},
    .control = kWashiInk,
    .controlInk = kWashiPaper,
    .ink = kWashiInk,
    .secondaryInk = {0.305, 0.296, 0.270},
    .muted = {0.475, 0.451, 0.405},
    .accent = {0.733, 0.176, 0.118},
    .line = kWashiInk.at(0.105),
    .strongLine = kWashiInk.at(0.205),
};

constexpr VelmoraThemePalette kPorcelain{
    .workspace = kWhite,
    .shell = kWhite,
    .surface = kWhite,
    .surfaceMuted = ThemeColor::gray(0.945),
    .control = ThemeColor::gray(0.045),
    .controlInk = kWhite,
    .ink = ThemeColor::gray(0.065),
    .secondaryInk = ThemeColor::gray(0.325),
    .muted = ThemeColor::gray(0.535),
    .accent = ThemeColor::gray(0.045),
    .line = kBlack.at(0.075),
    .strongLine = kBlack.at(0.145),
};

constexpr VelmoraThemePalette kTeaHouse{
    .workspace = {0.918, 0.867, 0.780},
    .shell = {0.969, 0.941, 0.884},
    .surface = kSandPaper,
    .surfaceMuted = {0.888, 0.824, 0.714},
    .control = kSandInk,
    .controlInk = kSandPaper,
    .ink = kSandInk,
    .secondaryInk = {0.342, 0.310, 0.258},
    .muted = {0.505, 0.452, 0.365},
    .accent = {0.640, 0.235, 0.145},
    .line = kSandInk.at(0.115),
    .strongLine = kSandInk.at(0.22),
};

constexpr VelmoraThemePalette kAperture{
    .workspace = kWhite,
    .shell = kWhite,
    .surface = kWhite,
    .surfaceMuted = ThemeColor::gray(0.955),
    .control = ThemeColor::gray(0.055),
    .controlInk = kWhite,
    .ink = ThemeColor::gray(0.055),
    .secondaryInk = ThemeColor::gray(0.315),
    .muted = ThemeColor::gray(0.585),
    .accent = ThemeColor::gray(0.055),
    .line = kBlack.at(0.085),
    .strongLine = kBlack.at(0.145),
};

// A 0..1 value with at most four decimals and no trailing zeros.
std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", std::round(value * 10000) / 10000);
  std::string result = text;
  while (result.back() == '0') result.pop_back();
  if (result.back() == '.') result.pop_back();
  return result;
}

}  // namespace

std::string cssColor(const ThemeColor& color) {
  return "rgba(" + number(color.red * 100) + "%," + number(color.green * 100) + "%," +
         number(color.blue * 100) + "%," + number(color.opacity) + ")";
}

VelmoraThemePalette palette(VelmoraTheme theme) {
  switch (theme) {
    case VelmoraTheme::washiStudio:
    case VelmoraTheme::washiEmber:
      return kWashi;
    case VelmoraTheme::porcelainAir:
      return kPorcelain;
    case VelmoraTheme::teaHouseSand:
      return kTeaHouse;
    case VelmoraTheme::quietAperture:
    case VelmoraTheme::unifiedWorkspace:
      return kAperture;
  }
  return kWashi;
}

}  // namespace ondi
