#include "engine/line_converter.h"

#include <cmath>
#include <optional>

#include "engine/exceptions.h"
#include "engine/io_code.h"
#include "engine/number_text.h"
#include "engine/text_fields.h"

namespace siconv {
namespace {

// Field values live as 32-bit floats between steps; leaving that range is an overflow.
float ToWorkingValue(Extended x) {
  float v = static_cast<float>(x);
  if (std::isinf(v) && std::isfinite(x)) throw EOverflow();
  return v;
}

float Scale(float v, int flag, int direction, double factor) {
  if (v == 0 || (flag != 1 && flag != 2)) return v;
  Extended x = v;
  const Extended f = factor;
  if (direction == kToSi) {
    x = x * f;
    if (flag == 2) x = x * 100;
  } else {
    x = x / f;
    if (flag == 2) x = x / 100;
  }
  return ToWorkingValue(x);
}

bool Contains(std::string_view format, char letter) {
  return format.find(letter) != std::string_view::npos;
}

std::string RenderField(std::string_view field, int direction, const char* format, int flag,
                        double factor) {
  const float v = Scale(ToWorkingValue(ParseNumberText(field)), flag, direction, factor);
  if (Contains(format, 'd')) return FormatNumberText(format, RoundToInt(v));
  if (Contains(format, 's')) return std::string(field);
  return FormatNumberText(format, static_cast<Extended>(v));
}

std::optional<std::string_view> GetField(SeparatorMode mode, int n, std::string_view line) {
  return mode == SeparatorMode::Blanks ? GetSpaceField(n, line) : GetCommaField(n, line);
}

bool AtEndOrRaise(LineFile& in) {
  bool atEnd = true;
  CheckIo(in.AtEnd(atEnd));
  return atEnd;
}

std::string ReadLineOrRaise(LineFile& in) {
  std::string line;
  CheckIo(in.ReadLine(line));
  return line;
}

}  // namespace

std::string ConvertLineText(std::string_view line, int direction, SeparatorMode mode,
                            const ColumnTable& table, double factor) {
  std::string out;
  const std::string_view separator = mode == SeparatorMode::Commas ? "," : "";
  for (int i = 1; i <= table.fieldCount; ++i) {
    const auto field = GetField(mode, i, line);
    if (!field) break;
    if (!IsBlank(*field)) {
      out += RenderField(*field, direction, table.formats[i - 1], table.flags[i - 1], factor);
    }
    if (i < table.fieldCount) out += separator;
  }
  return out;
}

void ConvertLine(LineFile& in, LineFile& out, int direction, SeparatorMode mode,
                 const ColumnTable& table, double factor) {
  const std::string line = ReadLineOrRaise(in);
  CheckIo(out.WriteLine(ConvertLineText(line, direction, mode, table, factor)));
}

bool ConvertLines(LineFile& in, LineFile& out, int direction, SeparatorMode mode,
                  const ColumnTable& table, int lineCount, double factor) {
  if (lineCount == -1) {
    while (!AtEndOrRaise(in)) ConvertLine(in, out, direction, mode, table, factor);
    return true;
  }
  for (int i = 0; i < lineCount; ++i) {
    if (!AtEndOrRaise(in)) ConvertLine(in, out, direction, mode, table, factor);
  }
  return true;
}

bool CopyLines(LineFile& in, LineFile& out, int count) {
  if (count == -1) {
    while (!AtEndOrRaise(in)) CheckIo(out.WriteLine(ReadLineOrRaise(in)));
  } else {
    for (int i = 0; i < count; ++i) CheckIo(out.WriteLine(ReadLineOrRaise(in)));
  }
  return true;
}

}  // namespace siconv
