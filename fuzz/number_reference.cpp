#include "fuzz/number_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_check.h"

namespace siconv::fuzz {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return at_ == text_.size(); }
  bool Take(char c) {
    if (AtEnd() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  std::string Digits() {
    std::string digits;
    while (!AtEnd() && IsDigit(text_[at_])) digits += text_[at_++];
    return digits;
  }
  void SkipBlanks() {
    while (Take(' ')) {
    }
  }
  std::optional<int> ExponentDigit() {
    if (AtEnd() || !IsDigit(text_[at_])) return std::nullopt;
    return text_[at_++] - '0';
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// The exponent after "E": reading stops once it reaches 500.
int ReadExponent(Cursor& c) {
  const bool negative = !c.Take('+') && c.Take('-');
  int x = 0;
  while (x < 500) {
    std::optional<int> digit = c.ExponentDigit();
    if (!digit) break;
    x = x * 10 + *digit;
  }
  return negative ? -x : x;
}

std::size_t SignificantDigits(const std::string& digits) {
  std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? 0 : digits.size() - first;
}

// The parts of a formatted body: [-]int[sep frac][E[-]exp].
struct FieldShape {
  bool negative = false;
  std::string integer;
  bool hasSeparator = false;
  std::string fraction;
  bool hasExponent = false;
  bool exponentNegative = false;
  std::string exponent;
};

std::optional<FieldShape> ReadShape(std::string_view body, char separator) {
  Cursor c(body);
  FieldShape s;
  s.negative = c.Take('-');
  s.integer = c.Digits();
  s.hasSeparator = c.Take(separator);
  if (s.hasSeparator) s.fraction = c.Digits();
  s.hasExponent = c.Take('E');
  if (s.hasExponent) {
    s.exponentNegative = c.Take('-');
    s.exponent = c.Digits();
    if (s.exponent.empty()) return std::nullopt;
  }
  if (!c.AtEnd() || s.integer.empty()) return std::nullopt;
  return s;
}

bool HasLeadingZero(const std::string& digits) {
  return digits.size() > 1 && digits[0] == '0';
}

// The field without the blanks put in front of it to reach the width.
std::string_view Body(std::string_view field, int width) {
  std::size_t first = field.find_first_not_of(' ');
  Require(first != std::string_view::npos, "a formatted field holds no text", field);
  std::string_view body = field.substr(first);
  Require(field.size() == std::max<std::size_t>(static_cast<std::size_t>(width), body.size()),
          "blanks in front of a field do not just fill its width", field);
  return body;
}

void CheckNotANumberTexts(std::string_view body, long double value) {
  if (std::isnan(value)) Require(body == "NAN", "not-a-number is not written as NAN", body);
  if (std::isinf(value)) Require(body == "INF", "infinity is not written as INF", body);
}

void CheckValue(std::string_view body, char separator, long double value, long double tolerance) {
  const long double written = CValue(body, separator);
  if (std::isinf(written) && std::fabs(value) > 1e4931L) return;  // rounded past the range
  Require(std::fabs(written - value) <= tolerance, "a formatted field is not near its value", body);
}

int GeneralPrecision(const ColumnFormat& format) {
  const int p = !format.precision || *format.precision > 18 ? 15 : *format.precision;
  return std::clamp(p, 2, 18);
}

// The general layout with precision p: scientific exactly outside 1E-4 .. 1E<p>.
// Far below the float range the rules' estimate of the decimal exponent can
// be one too high, and the first digit written is then a 0.
void CheckGeneral(const FieldShape& s, std::string_view body, int p, bool belowFloats) {
  const std::string digits = s.integer + s.fraction;
  Require(SignificantDigits(digits) <= static_cast<std::size_t>(p), "more digits than precision",
          body);
  Require(!s.hasSeparator || (!s.fraction.empty() && s.fraction.back() != '0'),
          "a trailing zero or a bare separator in the general layout", body);
  Require(!HasLeadingZero(s.integer), "a leading zero", body);
  if (s.hasExponent) {
    Require(s.integer.size() == 1 && (s.integer != "0" || belowFloats),
            "scientific form without one leading digit", body);
    Require(s.exponent[0] != '0', "an exponent with a leading zero", body);
    const long e = std::strtol(s.exponent.c_str(), nullptr, 10) * (s.exponentNegative ? -1 : 1);
    Require(e >= p || e <= -5, "scientific form where the plain one fits", body);
  } else {
    Require(s.integer.size() <= static_cast<std::size_t>(p), "plain form beyond the precision",
            body);
    const bool zero = SignificantDigits(digits) == 0;
    Require(zero || s.integer != "0" || s.fraction.substr(0, 4) != "0000", "plain form below 1E-4",
            body);
  }
}

void CheckFixed(const FieldShape& s, std::string_view body, int decimals) {
  if (s.hasExponent) {
    CheckGeneral(s, body, 18, false);
    Require(!s.exponentNegative && std::strtol(s.exponent.c_str(), nullptr, 10) >= 18,
            "the fixed layout gave way to the general one below 1E18", body);
    return;
  }
  Require(s.hasSeparator == (decimals > 0), "separator present without decimals or missing", body);
  Require(s.fraction.size() == static_cast<std::size_t>(decimals), "wrong number of decimals",
          body);
  Require(!HasLeadingZero(s.integer), "a leading zero", body);
  Require(s.integer.size() <= 18, "more than 18 integer digits", body);
}

}  // namespace

std::optional<ReferenceNumber> ReadReferenceNumber(std::string_view text, char separator) {
  Cursor c(text);
  c.SkipBlanks();
  ReferenceNumber n;
  n.negative = !c.Take('+') && c.Take('-');
  const std::string integer = c.Digits();
  const bool hasSeparator = c.Take(separator);
  const std::string fraction = hasSeparator ? c.Digits() : std::string();
  if (integer.empty() && !hasSeparator) return std::nullopt;
  const int exponent = c.Take('E') || c.Take('e') ? ReadExponent(c) : 0;
  c.SkipBlanks();
  if (!c.AtEnd()) return std::nullopt;
  n.cText = std::string(n.negative ? "-" : "") + (integer.empty() ? "0" : integer) + "." +
            fraction + "e" + std::to_string(exponent);
  n.significantDigits = SignificantDigits(integer + fraction);
  return n;
}

long double CValue(std::string_view text, char separator) {
  std::string c(text);
  std::replace(c.begin(), c.end(), separator, '.');
  return std::strtold(c.c_str(), nullptr);
}

std::optional<ColumnFormat> ReadColumnFormat(std::string_view format) {
  Cursor c(format);
  if (!c.Take('%')) return std::nullopt;
  ColumnFormat f;
  const std::string width = c.Digits();
  f.width = width.empty() ? 0 : std::atoi(width.substr(0, 6).c_str());
  if (c.Take('.')) {
    const std::string precision = c.Digits();
    f.precision = precision.empty() ? 0 : std::atoi(precision.substr(0, 6).c_str());
  }
  if (format.size() < 2) return std::nullopt;
  const char letter = format.back();
  f.letter = static_cast<char>(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
  return f;
}

void CheckIntegerField(std::string_view field, const ColumnFormat& format, std::int32_t value) {
  const std::string body(Body(field, format.width));
  const std::size_t start = body[0] == '-' ? 1 : 0;
  const std::string digits = body.substr(start);
  Require(!digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit),
          "an integer field holds more than a sign and digits", body);
  Require(!HasLeadingZero(digits) && !(start == 1 && digits == "0"), "a leading zero or -0", body);
  Require(std::strtoll(body.c_str(), nullptr, 10) == value, "an integer field has another value",
          body);
}

void CheckFloatField(std::string_view field, const ColumnFormat& format, long double value,
                     char separator) {
  const std::string_view body = Body(field, format.width);
  if (!std::isfinite(value)) return CheckNotANumberTexts(body, value);
  const std::optional<FieldShape> shape = ReadShape(body, separator);
  Require(shape.has_value(), "a number field has the wrong layout", body);
  Require(!shape->negative || SignificantDigits(shape->integer + shape->fraction) > 0,
          "a sign on a value written as zero", body);
  const long double tiny = 1e-4930L;
  const long double magnitude = std::fabs(value);
  if (format.letter == 'g') {
    const int p = GeneralPrecision(format);
    const bool belowFloats = magnitude < 1e-45L;
    CheckGeneral(*shape, body, p, belowFloats);
    // A leading 0 digit there leaves one significant digit fewer.
    const int digits = belowFloats ? p - 1 : p;
    CheckValue(body, separator, value,
               magnitude * (0.5L * std::pow(10.0L, 1 - digits) + 1e-17L) + tiny);
    return;
  }
  const int decimals = !format.precision || *format.precision > 18 ? 2 : *format.precision;
  CheckFixed(*shape, body, decimals);
  CheckValue(body, separator, value,
             0.5000001L * std::pow(10.0L, -decimals) + magnitude * 2e-17L + tiny);
}

}  // namespace siconv::fuzz
