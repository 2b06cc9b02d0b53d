#include "engine/line_converter.h"

#include <cmath>

#include "engine/data_file_checks.h"
#include "engine/exceptions.h"
#include "engine/io_code.h"
#include "engine/number_text.h"
#include "engine/text_fields.h"
#include "engine/verbatim_field.h"
#include "engine/x87_precision.h"

namespace siconv {
namespace {

// Field values live as 32-bit floats between steps; leaving that range is an overflow.
float ToWorkingValue(Extended x) {
  float v = static_cast<float>(x);
  if (std::isinf(v) && std::isfinite(x)) throw EOverflow();
  return v;
}

bool Scales(int flag) {
  return flag == 1 || flag == 2;
}

float Scale(float v, int flag, int direction, double factor) {
  if (v == 0 || !Scales(flag)) return v;
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

// Appends the field rendered again by its column format.
void AppendField(std::string& out, std::string_view field, int direction, const char* format,
                 int flag, double factor) {
  if (!Scales(flag) && RendersAsItself(field, format)) {
    out += field;
    return;
  }
  const float v = Scale(ToWorkingValue(ParseNumberText(field)), flag, direction, factor);
  if (Contains(format, 'd')) {
    out += FormatNumberText(format, RoundToInt(v));
  } else if (Contains(format, 's')) {
    out += field;
  } else {
    out += FormatNumberText(format, static_cast<Extended>(v));
  }
}

bool AtEndOrRaise(LineFile& in) {
  bool atEnd = true;
  CheckIo(in.AtEnd(atEnd));
  return atEnd;
}

std::string ReadLineOrRaise(LineFile& in) {
  std::string line;
  CheckIo(in.ReadLine(line));
  RequireTextLine(in.Name(), in.LinesRead(), line);
  return line;
}

// Room for fields that come out wider than they went in, so that the
// output is allocated once.
constexpr std::size_t kLineSlack = 64;

}  // namespace

std::string ConvertLineText(std::string_view line, int direction, SeparatorMode mode,
                            const ColumnTable& table, double factor) {
  std::string out;
  out.reserve(line.size() + kLineSlack);
  const std::string_view separator = mode == SeparatorMode::Commas ? "," : "";
  FieldCursor fields(line, mode == SeparatorMode::Blanks ? FieldCursor::Separator::Blanks
                                                         : FieldCursor::Separator::Commas);
  for (int i = 1; i <= table.fieldCount; ++i) {
    const auto field = fields.Next();
    if (!field) break;
    if (!IsBlank(*field)) {
      AppendField(out, *field, direction, table.formats[i - 1], table.flags[i - 1], factor);
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
  EnsureX87FullPrecision();
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
