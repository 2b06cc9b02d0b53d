#include "engine/line_converter.h"

#include <cmath>

#include "engine/data_file_checks.h"
#include "engine/exceptions.h"
#include "engine/format_text.h"
#include "engine/io_code.h"
#include "engine/parse_number_text.h"
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

bool AtEndOrRaise(LineFile& in) {
  bool atEnd = true;
  CheckIo(in.AtEnd(atEnd));
  return atEnd;
}

void ReadLineOrRaise(LineFile& in, std::string& line) {
  CheckIo(in.ReadLine(line));
  RequireTextLine(in.Name(), in.LinesRead(), line);
}

}  // namespace

// The output of one line. Bytes copied from the line itself gather into one
// run that is appended at once: most fields, and the commas between them,
// stand in the line exactly as they are written.
class LineOutput {
 public:
  explicit LineOutput(std::string& out) : out_(out) {}
  void Copy(std::string_view bytes) {
    if (bytes.data() != end_) {
      Flush();
      begin_ = bytes.data();
    }
    end_ = bytes.data() + bytes.size();
  }
  // For text of its own, after the run so far.
  std::string& Text() {
    Flush();
    return out_;
  }
  void Flush() {
    out_.append(begin_, static_cast<std::size_t>(end_ - begin_));
    begin_ = end_;
  }

 private:
  std::string& out_;
  const char* begin_ = nullptr;
  const char* end_ = nullptr;
};

namespace {

// The comma after a field: the line's own when it follows the field directly.
void PutComma(LineOutput& out, std::string_view line, std::string_view field) {
  const std::size_t after = static_cast<std::size_t>(field.data() - line.data()) + field.size();
  if (after < line.size() && line[after] == ',') {
    out.Copy(line.substr(after, 1));
  } else {
    out.Text() += ',';
  }
}

// The texts of one line, kept from line to line so that their room is reused.
struct LineTexts {
  std::string line;
  std::string converted;
};

void ConvertNextLine(LineFile& in, LineFile& out, const LineConverter& converter,
                     LineTexts& texts) {
  ReadLineOrRaise(in, texts.line);
  texts.converted.clear();
  converter.Convert(texts.line, texts.converted);
  CheckIo(out.WriteLine(texts.converted));
}

}  // namespace

LineConverter::LineConverter(int direction, SeparatorMode mode, const ColumnTable& table,
                             double factor)
    : direction_(direction), mode_(mode), factor_(factor) {
  for (int i = 0; i < table.fieldCount; ++i) {
    const char* format = table.formats[static_cast<std::size_t>(i)];
    const int flag = table.flags[static_cast<std::size_t>(i)];
    const Render render = Contains(format, 'd')   ? Render::Integer
                          : Contains(format, 's') ? Render::Echo
                                                  : Render::Number;
    columns_.push_back(
        {format, flag, render, Scales(flag) ? std::nullopt : VerbatimLayoutOf(format)});
  }
}

// Appends the field rendered again by its column format.
void LineConverter::AppendField(LineOutput& out, std::string_view field,
                                const Column& column) const {
  if (column.verbatim && RendersAsItself(field, *column.verbatim)) {
    out.Copy(field);
    return;
  }
  const float v = Scale(ToWorkingValue(ParseNumberText(field)), column.flag, direction_, factor_);
  switch (column.render) {
    case Render::Integer:
      AppendNumberText(out.Text(), column.format, RoundToInt(v));
      break;
    case Render::Echo:
      out.Copy(field);
      break;
    case Render::Number:
      AppendNumberText(out.Text(), column.format, static_cast<Extended>(v));
      break;
  }
}

void LineConverter::Convert(std::string_view line, std::string& out) const {
  FieldCursor fields(line, mode_ == SeparatorMode::Blanks ? FieldCursor::Separator::Blanks
                                                          : FieldCursor::Separator::Commas);
  LineOutput text(out);
  const std::size_t count = columns_.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::string_view field;
    if (!fields.Next(field)) break;
    if (!IsBlank(field)) AppendField(text, field, columns_[i]);
    if (i + 1 < count && mode_ == SeparatorMode::Commas) PutComma(text, line, field);
  }
  text.Flush();
}

std::string ConvertLineText(std::string_view line, int direction, SeparatorMode mode,
                            const ColumnTable& table, double factor) {
  std::string out;
  LineConverter(direction, mode, table, factor).Convert(line, out);
  return out;
}

void ConvertLine(LineFile& in, LineFile& out, int direction, SeparatorMode mode,
                 const ColumnTable& table, double factor) {
  LineTexts texts;
  ConvertNextLine(in, out, LineConverter(direction, mode, table, factor), texts);
}

bool ConvertLines(LineFile& in, LineFile& out, int direction, SeparatorMode mode,
                  const ColumnTable& table, int lineCount, double factor) {
  EnsureX87FullPrecision();
  const LineConverter converter(direction, mode, table, factor);
  LineTexts texts;
  if (lineCount == -1) {
    while (!AtEndOrRaise(in)) ConvertNextLine(in, out, converter, texts);
    return true;
  }
  for (int i = 0; i < lineCount; ++i) {
    if (!AtEndOrRaise(in)) ConvertNextLine(in, out, converter, texts);
  }
  return true;
}

bool CopyLines(LineFile& in, LineFile& out, int count) {
  std::string line;
  const auto copyNextLine = [&] {
    ReadLineOrRaise(in, line);
    CheckIo(out.WriteLine(line));
  };
  if (count == -1) {
    while (!AtEndOrRaise(in)) copyNextLine();
  } else {
    for (int i = 0; i < count; ++i) copyNextLine();
  }
  return true;
}

}  // namespace siconv
