#include "core/theme/ThemeContrast.h"

#include <algorithm>
#include <cmath>

namespace ondi {
namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const ThemeColor& color) {
  return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

}  // namespace

ThemeColor composite(const ThemeColor& color, const ThemeColor& background) {
  const double alpha = color.opacity;
  const auto mix = [alpha](double top, double bottom) {
    return top * alpha + bottom * (1 - alpha);
  };
  return {mix(color.red, background.red), mix(color.green, background.green),
          mix(color.blue, background.blue), 1};
}

double contrastRatio(const ThemeColor& first, const ThemeColor& second) {
  const double a = relativeLuminance(first);
  const double b = relativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace ondi
