// FormatNumberText with the column formats and with other one-conversion
// formats, over integers, 32-bit floats, every extended value and parsed
// texts: a field is as wide as its format asks, has exactly the layout of its
// letter, stands for its value to within the rounding of the format, and is
// INF or NAN only for a value that is not finite. FormatText over arbitrary
// format texts either expands them or raises one of the two format errors.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/decimal_separator.h"
#include "engine/exceptions.h"
#include "engine/format_text.h"
#include "engine/parse_number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_reference.h"

namespace siconv::fuzz {
namespace {

const char* const kFloatColumnFormats[] = {"%7.2f", "%9.2f",  "%13.6f", "%13.6g",
                                           "%2.6g", "%14.6g", "%15.6g"};

// A column format (with the letter asked for) or another width and precision.
std::string MakeFormat(FuzzedDataProvider& in, char letter) {
  if (in.ConsumeBool()) {
    if (letter == 'd') return "%3d";
    std::string format = kFloatColumnFormats[in.ConsumeIntegralInRange<int>(0, 6)];
    format.back() = letter;
    return format;
  }
  std::string format = "%" + std::to_string(in.ConsumeIntegralInRange(0, 40));
  if (in.ConsumeBool()) format += "." + std::to_string(in.ConsumeIntegralInRange(0, 25));
  return format + letter;
}

// Every extended value: the explicit leading bit follows the exponent field,
// as in every value the arithmetic produces.
long double AnyExtended(FuzzedDataProvider& in) {
  std::uint64_t significand = in.ConsumeIntegral<std::uint64_t>();
  const auto signAndExponent = in.ConsumeIntegral<std::uint16_t>();
  const std::uint64_t leadingBit = std::uint64_t{1} << 63;
  significand =
      (signAndExponent & 0x7FFF) != 0 ? significand | leadingBit : significand & ~leadingBit;
  long double value = 0;
  std::memcpy(&value, &significand, sizeof significand);
  std::memcpy(reinterpret_cast<char*>(&value) + sizeof significand, &signAndExponent,
              sizeof signAndExponent);
  return value;
}

long double AnyValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: {
      const auto bits = in.ConsumeIntegral<std::uint32_t>();
      float f;
      std::memcpy(&f, &bits, sizeof f);
      return f;
    }
    case 1:
      return AnyExtended(in);
    default: {
      const std::string text = in.ConsumeRemainingBytesAsString();
      try {
        return static_cast<float>(ParseNumberText(text));
      } catch (const EConvertError&) {
        return 0;
      }
    }
  }
}

void CheckInteger(FuzzedDataProvider& in) {
  const std::string format = MakeFormat(in, 'd');
  const auto value = in.ConsumeIntegral<std::int32_t>();
  CheckIntegerField(FormatNumberText(format, value), *ReadColumnFormat(format), value);
}

void CheckFloat(FuzzedDataProvider& in) {
  const std::string format = MakeFormat(in, "fFgG"[in.ConsumeIntegralInRange(0, 3)]);
  const long double value = AnyValue(in);
  CheckFloatField(FormatNumberText(format, value), *ReadColumnFormat(format), value,
                  DecimalSeparator);
}

// A format error names the conversion, cut to at most 31 bytes.
void CheckFormatError(const std::string& format, const EConvertError& e) {
  const std::string message = e.Message();
  // The exception keeps its message as a C string: a NUL byte ends it.
  if (format.find('\0') != std::string::npos) return;
  constexpr std::string_view kStart = "書式文字列 '";
  const std::size_t close = message.rfind('\'');
  Require(message.starts_with(kStart) && close >= kStart.size(), "wrong format error", message);
  const std::string tail = message.substr(close);
  Require(tail == "' は正しくないか引数の型と一致しません" || tail == "' の引数が見つかりません",
          "wrong format error", message);
  const std::string conversion = message.substr(kStart.size(), close - kStart.size());
  Require(conversion.starts_with('%'), "a format error names no conversion", message);
  if (IsPrintableAscii(format)) {
    Require(conversion.size() <= 31 && format.find(conversion) != std::string::npos,
            "a format error names no conversion of the format", message);
  }
}

// Message formats are the program's own texts: widths of a few digits.
bool HasModestWidths(const std::string& format) {
  int run = 0;
  for (char c : format) {
    run = c >= '0' && c <= '9' ? run + 1 : 0;
    if (run > 4) return false;
  }
  return true;
}

void CheckFormatText(FuzzedDataProvider& in) {
  const std::string format = in.ConsumeRandomLengthString(200);
  if (!HasModestWidths(format)) return;
  const std::string text = in.ConsumeRandomLengthString(40);
  const auto number = in.ConsumeIntegral<std::int32_t>();
  const long double value = in.ConsumeFloatingPoint<float>();
  std::string result;
  try {
    result = in.ConsumeBool() ? FormatText(format, {number, value, std::string_view(text)})
                              : FormatText(format, {std::string_view(text), value});
  } catch (const EConvertError& e) {
    return CheckFormatError(format, e);
  }
  if (format.find('%') == std::string::npos)
    Require(result == format, "plain text changed", result);
}

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace siconv::fuzz;
  FuzzedDataProvider in(data, size);
  siconv::DecimalSeparator = in.ConsumeBool() ? ',' : '.';
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
      CheckInteger(in);
      break;
    case 1:
      CheckFloat(in);
      break;
    default:
      CheckFormatText(in);
  }
  return 0;
}
