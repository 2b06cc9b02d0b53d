#include "engine/format_text.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

#include "engine/cp932.h"
#include "engine/decimal_layout.h"
#include "engine/exceptions.h"

namespace siconv {
namespace {

constexpr std::string_view kInvalidFormat = "書式文字列 '%s' は正しくないか引数の型と一致しません";
constexpr std::string_view kMissingArgument = "書式文字列 '%s' の引数が見つかりません";

// "%" width [ "." precision ] letter; the letter is lower-cased, 0 when the
// format ends before it.
struct Conversion {
  std::string_view text;  // from "%" through the letter
  int width = 0;
  int precision = -1;  // -1 when the conversion gives none
  char letter = 0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads decimal digits; an absurdly long count stops growing instead of overflowing.
int ReadCount(const char*& p, const char* end) {
  constexpr int kCeiling = INT_MAX / 10 - 1;
  int value = 0;
  for (; p != end && IsDigit(*p); ++p) {
    if (value < kCeiling) value = value * 10 + (*p - '0');
  }
  return value;
}

Conversion ReadConversion(std::string_view format, std::size_t start) {
  Conversion c;
  const char* p = format.data() + start + 1;
  const char* end = format.data() + format.size();
  c.width = ReadCount(p, end);
  if (p != end && *p == '.') c.precision = ReadCount(++p, end);
  if (p != end) {
    const char letter = *p++;
    c.letter = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
  }
  c.text =
      std::string_view(format.data() + start, static_cast<std::size_t>(p - format.data()) - start);
  return c;
}

// The conversion text is cut to 31 bytes, and never ends in half a double-byte character.
[[noreturn]] void ThrowFormatError(std::string_view message, std::string_view conversion) {
  std::size_t length = std::min<std::size_t>(conversion.size(), 31);
  if (length > 0 && IsCp932LeadByte(static_cast<unsigned char>(conversion[length - 1]))) --length;
  throw EConvertError(FormatText(message, {Cp932ToUtf8(conversion.substr(0, length))}));
}

std::size_t WriteInteger(std::int32_t n, char* out) {
  char digits[10];
  int count = 0;
  // The magnitude as unsigned, so that -2147483648 is written in full.
  std::uint32_t magnitude =
      n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::size_t length = 0;
  if (n < 0) out[length++] = '-';
  while (count > 0) out[length++] = digits[--count];
  return length;
}

std::size_t WriteNonFinite(const DecimalForm& form, char* out) {
  const char* text = form.exponent == DecimalForm::kInfinity ? "INF" : "NAN";
  std::copy(text, text + 3, out);
  return 3;
}

std::size_t WriteGeneral(const Extended& v, int precision, char* out) {
  if (precision < 0 || precision > 18) precision = 15;
  precision = std::clamp(precision, 2, 18);
  const DecimalForm form = ToDecimalForm(v, precision, 9999);
  if (form.exponent >= DecimalForm::kInfinity) return WriteNonFinite(form, out);
  return WriteGeneralLayout(form, precision, out);
}

// More than 18 integer digits go to the general layout with the digits already made.
std::size_t WriteFixed(const Extended& v, int decimals, char* out) {
  if (decimals < 0 || decimals > 18) decimals = 2;
  const DecimalForm form = ToDecimalForm(v, 18, decimals);
  if (form.exponent >= DecimalForm::kInfinity) return WriteNonFinite(form, out);
  if (form.exponent > 18) return WriteGeneralLayout(form, 18, out);
  return WriteFixedLayout(form, decimals, out);
}

// The converted text before padding: in buffer (kLayoutCapacity bytes), or
// part of a text argument.
std::string_view Convert(const Conversion& c, const FormatArg& arg, char* buffer) {
  if (c.letter == 'd' && std::holds_alternative<std::int32_t>(arg)) {
    return {buffer, WriteInteger(std::get<std::int32_t>(arg), buffer)};
  }
  if (c.letter == 'g' && std::holds_alternative<Extended>(arg)) {
    return {buffer, WriteGeneral(std::get<Extended>(arg), c.precision, buffer)};
  }
  if (c.letter == 'f' && std::holds_alternative<Extended>(arg)) {
    return {buffer, WriteFixed(std::get<Extended>(arg), c.precision, buffer)};
  }
  if (c.letter == 's' && std::holds_alternative<std::string_view>(arg)) {
    const std::string_view text = std::get<std::string_view>(arg);
    return c.precision < 0 ? text : text.substr(0, static_cast<std::size_t>(c.precision));
  }
  ThrowFormatError(kInvalidFormat, c.text);
}

// Blanks in front up to the width; a longer text is never cut.
void AppendPadded(std::string& out, std::string_view text, int width) {
  if (static_cast<std::size_t>(width) > text.size()) out.append(width - text.size(), ' ');
  out.append(text);
}

}  // namespace

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  const FormatArg* next = args.begin();
  std::size_t pos = 0;
  for (;;) {
    const std::size_t percent = format.find('%', pos);
    out.append(format.substr(pos, percent - pos));
    if (percent == std::string_view::npos) return out;
    const Conversion c = ReadConversion(format, percent);
    if (c.letter == 0) ThrowFormatError(kInvalidFormat, c.text);
    if (next == args.end()) ThrowFormatError(kMissingArgument, c.text);
    char buffer[kLayoutCapacity];
    AppendPadded(out, Convert(c, *next++, buffer), c.width);
    pos = percent + c.text.size();
  }
}

// A column format is one number conversion and nothing else: its text is
// built in one buffer with room for the blanks in front, then appended once.
void AppendNumberText(std::string& out, std::string_view format, FormatArg arg) {
  constexpr int kPadRoom = 32;
  if (format.empty() || format[0] != '%') {
    out += FormatText(format, {arg});
    return;
  }
  const Conversion c = ReadConversion(format, 0);
  if (c.text.size() != format.size() || c.width > kPadRoom || c.letter == 's' || c.letter == 0) {
    out += FormatText(format, {arg});
    return;
  }
  char buffer[kPadRoom + kLayoutCapacity];
  std::memset(buffer, ' ', kPadRoom);
  const std::string_view text = Convert(c, arg, buffer + kPadRoom);
  const std::size_t pad = std::max(static_cast<std::size_t>(c.width), text.size()) - text.size();
  out.append(text.data() - pad, text.size() + pad);
}

std::string FormatNumberText(std::string_view format, FormatArg arg) {
  std::string out;
  AppendNumberText(out, format, arg);
  return out;
}

}  // namespace siconv
