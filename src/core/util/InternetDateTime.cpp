#include "core/util/InternetDateTime.h"

#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <memory>

namespace ondi {
namespace {

// Reads exactly `width` decimal digits at `position`, advancing it.
std::optional<int> digits(std::string_view text, std::size_t& position, std::size_t width) {
  if (position + width > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const char c = text[position + i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  position += width;
  return value;
}

bool separator(std::string_view text, std::size_t& position, char expected) {
  if (position >= text.size() || text[position] != expected) return false;
  ++position;
  return true;
}

// The zone's offset from UTC in seconds: "Z" or "+HH:MM" / "-HH:MM".
std::optional<int> zoneOffset(std::string_view text, std::size_t& position) {
  if (separator(text, position, 'Z')) return 0;
  if (position >= text.size() || (text[position] != '+' && text[position] != '-')) {
    return std::nullopt;
  }
  const int sign = text[position++] == '-' ? -1 : 1;
  const auto hours = digits(text, position, 2);
  if (!hours || *hours > 23 || !separator(text, position, ':')) return std::nullopt;
  const auto minutes = digits(text, position, 2);
  if (!minutes || *minutes > 59) return std::nullopt;
  return sign * (*hours * 3600 + *minutes * 60);
}

std::string userLocale() {
  const std::string locale = uloc_getDefault();
  // ICU maps the C and POSIX locales to "en_US_POSIX", whose formats are not the ones people
  // read.
  if (locale.empty() || locale == "c" || locale == "C" || locale.starts_with("en_US_POSIX")) {
    return "en_US";
  }
  return locale;
}

struct DateFormatClose {
  void operator()(UDateFormat* format) const { udat_close(format); }
};

}  // namespace

std::optional<std::chrono::sys_seconds> parseInternetDateTime(std::string_view text) {
  std::size_t position = 0;
  const auto year = digits(text, position, 4);
  if (!year || !separator(text, position, '-')) return std::nullopt;
  const auto month = digits(text, position, 2);
  if (!month || !separator(text, position, '-')) return std::nullopt;
  const auto day = digits(text, position, 2);
  if (!day || !separator(text, position, 'T')) return std::nullopt;
  const auto hour = digits(text, position, 2);
  if (!hour || !separator(text, position, ':')) return std::nullopt;
  const auto minute = digits(text, position, 2);
  if (!minute || !separator(text, position, ':')) return std::nullopt;
  const auto second = digits(text, position, 2);
  if (!second) return std::nullopt;
  const auto offset = zoneOffset(text, position);
  if (!offset || position != text.size()) return std::nullopt;

  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return std::chrono::sys_days(date) + std::chrono::hours(*hour) + std::chrono::minutes(*minute) +
         std::chrono::seconds(*second) - std::chrono::seconds(*offset);
}

std::string abbreviatedDateTime(std::chrono::sys_seconds instant, const std::string& locale,
                                const std::string& timeZone) {
  const std::string chosen = locale.empty() ? userLocale() : locale;
  UErrorCode status = U_ZERO_ERROR;
  UChar zone[64];
  int32_t zoneLength = 0;
  if (!timeZone.empty()) {
    u_strFromUTF8(zone, std::size(zone), &zoneLength, timeZone.c_str(),
                  static_cast<int32_t>(timeZone.size()), &status);
  }
  std::unique_ptr<UDateFormat, DateFormatClose> format(
      udat_open(UDAT_SHORT, UDAT_MEDIUM, chosen.c_str(), timeZone.empty() ? nullptr : zone,
                timeZone.empty() ? -1 : zoneLength, nullptr, 0, &status));
  if (U_FAILURE(status)) return {};
  const UDate milliseconds = static_cast<UDate>(instant.time_since_epoch().count()) * 1000.0;
  UChar text[128];
  const int32_t length =
      udat_format(format.get(), milliseconds, text, std::size(text), nullptr, &status);
  char utf8[512];
  int32_t utf8Length = 0;
  u_strToUTF8(utf8, sizeof utf8, &utf8Length, text, length, &status);
  if (U_FAILURE(status)) return {};
  return std::string(utf8, static_cast<std::size_t>(utf8Length));
}

}  // namespace ondi
