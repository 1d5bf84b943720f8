#include "core/payments/AgentPaymentMoney.h"

#include <unicode/uloc.h>
#include <unicode/unum.h>
#include <unicode/ustring.h>

#include <cmath>
#include <memory>

namespace ondi {
namespace {

std::string userLocale() {
  const std::string locale = uloc_getDefault();
  // ICU maps the C and POSIX locales to "en_US_POSIX", whose currency style is not the one
  // people read.
  if (locale.empty() || locale == "c" || locale == "C" || locale.starts_with("en_US_POSIX")) {
    return "en_US";
  }
  return locale;
}

struct NumberFormatClose {
  void operator()(UNumberFormat* format) const { unum_close(format); }
};

}  // namespace

std::string AgentPaymentMoney::usd(std::int64_t cents, const std::string& locale) {
  const std::string chosen = locale.empty() ? userLocale() : locale;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UNumberFormat, NumberFormatClose> format(
      unum_open(UNUM_CURRENCY, nullptr, 0, chosen.c_str(), nullptr, &status));
  const auto dollars = static_cast<double>(cents) / 100.0;
  if (U_FAILURE(status)) return "$" + std::to_string(std::llround(dollars));
  const UChar code[] = {u'U', u'S', u'D', 0};
  unum_setTextAttribute(format.get(), UNUM_CURRENCY_CODE, code, 3, &status);
  unum_setAttribute(format.get(), UNUM_MIN_FRACTION_DIGITS, 0);
  unum_setAttribute(format.get(), UNUM_MAX_FRACTION_DIGITS, 0);
  UChar text[64];
  const int32_t length = unum_formatDoubleCurrency(format.get(), dollars, const_cast<UChar*>(code),
                                                   text, std::size(text), nullptr, &status);
  char utf8[256];
  int32_t utf8Length = 0;
  u_strToUTF8(utf8, sizeof utf8, &utf8Length, text, length, &status);
  if (U_FAILURE(status)) return "$" + std::to_string(std::llround(dollars));
  return std::string(utf8, static_cast<std::size_t>(utf8Length));
}

}  // namespace ondi
