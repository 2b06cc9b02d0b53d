// ConvertLineText over arbitrary lines with every table of the quantity
// catalogue, both directions: the fields found are predicted independently;
// a line fails exactly when one of them is no number (with that field's
// message) or leaves the 32-bit range; otherwise the output has the predicted
// separators and every field is its predicted value in its column's layout,
// byte for byte as FormatNumberText writes that value (a field copied as it
// stands must be one that formatting would give back).
// ConvertLines over the same bytes as a file writes those lines, CR LF each.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data_file_checks.h"
#include "engine/decimal_separator.h"
#include "engine/exceptions.h"
#include "engine/format_text.h"
#include "engine/line_converter.h"
#include "engine/parse_number_text.h"
#include "engine/quantity_catalogue.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/memory_file_system.h"
#include "fuzz/number_reference.h"
#include "fuzz/text_reference.h"

namespace siconv::fuzz {
namespace {

struct Recipe {
  const ColumnTable* table;
  double factor;
  SeparatorMode mode;
};

std::vector<Recipe> AllRecipes() {
  std::vector<Recipe> recipes;
  for (const Quantity& q : Quantities()) {
    recipes.push_back({&q.recordTable, q.recordFactor, SeparatorMode::Commas});
    recipes.push_back({&q.header.table, q.header.factor, SeparatorMode::Blanks});
  }
  return recipes;
}

enum class Render { Empty, Echo, Integer, Number };

struct FieldPlan {
  Render render = Render::Empty;
  std::string_view text;
  float value = 0;
  std::int32_t integer = 0;
};

struct Prediction {
  std::optional<std::string> notANumber;  // the message of the first field that is none
  bool overflow = false;
  std::vector<FieldPlan> fields;
};

bool Blank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// The field's value scaled by its flag; nullopt when it leaves the float range.
std::optional<float> Scaled(float v, int flag, int direction, double factor) {
  if (v == 0 || (flag != 1 && flag != 2)) return v;
  long double x = v;
  const long double f = factor;
  x = direction == kToSi ? x * f : x / f;
  if (flag == 2) x = direction == kToSi ? x * 100 : x / 100;
  const auto w = static_cast<float>(x);
  if (std::isinf(w)) return std::nullopt;
  return w;
}

// Halves away from zero; nullopt outside the 32-bit integer range.
std::optional<std::int32_t> Rounded(float v) {
  if (v == 0) return 0;
  const long double r = std::trunc(v > 0 ? v + 0.5L : v - 0.5L);
  if (r < INT32_MIN || r > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

// How one non-blank field renders; false when the line fails on it.
bool PlanField(std::string_view text, std::string_view format, int flag, int direction,
               double factor, Prediction& p, FieldPlan& plan) {
  long double x;
  try {
    x = ParseNumberText(text);
  } catch (const EConvertError& e) {
    p.notANumber = e.Message();
    return false;
  }
  const auto v = static_cast<float>(x);
  const std::optional<float> scaled =
      std::isinf(v) ? std::nullopt : Scaled(v, flag, direction, factor);
  const std::optional<std::int32_t> integer =
      scaled && format.find('d') != std::string_view::npos ? Rounded(*scaled) : 0;
  p.overflow = !scaled || !integer;
  if (p.overflow) return false;
  plan.text = text;
  plan.value = *scaled;
  plan.integer = *integer;
  plan.render = format.find('d') != std::string_view::npos   ? Render::Integer
                : format.find('s') != std::string_view::npos ? Render::Echo
                                                             : Render::Number;
  return true;
}

Prediction Predict(std::string_view line, const Recipe& r, int direction) {
  const ColumnTable& t = *r.table;
  const auto limit = static_cast<std::size_t>(t.fieldCount);
  const std::vector<std::string_view> texts = r.mode == SeparatorMode::Commas
                                                  ? ReferenceCommaFields(line, limit)
                                                  : ReferenceBlankFields(line, limit);
  Prediction p;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    FieldPlan plan;
    if (!Blank(texts[i]) &&
        !PlanField(texts[i], t.formats[i], t.flags[i], direction, r.factor, p, plan)) {
      return p;
    }
    p.fields.push_back(plan);
  }
  return p;
}

void CheckField(std::string_view field, const FieldPlan& plan, const char* format) {
  const ColumnFormat f = *ReadColumnFormat(format);
  switch (plan.render) {
    case Render::Empty:
      return Require(field.empty(), "a blank field was not written empty", field);
    case Render::Echo:
      return Require(field == plan.text, "a %s field was not echoed", field);
    case Render::Integer:
      CheckIntegerField(field, f, plan.integer);
      return Require(field == FormatNumberText(format, plan.integer),
                     "a field differs from its value formatted", field);
    case Render::Number:
      CheckFloatField(field, f, plan.value, '.');
      return Require(field == FormatNumberText(format, static_cast<long double>(plan.value)),
                     "a field differs from its value formatted", field);
  }
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

// Fields found: each followed by a comma unless it is the table's last one.
void CheckCommaOutput(std::string_view out, const Prediction& p, const ColumnTable& t) {
  const std::size_t found = p.fields.size();
  const auto count = static_cast<std::size_t>(t.fieldCount);
  const std::size_t separators = found == count ? count - 1 : found;
  const std::vector<std::string_view> parts = SplitCommas(out);
  Require(parts.size() == separators + 1, "wrong number of separators", out);
  for (std::size_t i = 0; i < found; ++i) CheckField(parts[i], p.fields[i], t.formats[i]);
  if (found < count) Require(parts.back().empty(), "text after the last field", out);
}

// Blank-separated fields are written side by side, their widths spacing them.
void CheckBlankOutput(std::string_view out, const Prediction& p, const ColumnTable& t) {
  std::string rebuilt;
  std::size_t at = 0;
  for (std::size_t i = 0; i < p.fields.size(); ++i) {
    if (p.fields[i].render == Render::Empty) continue;
    const std::size_t start = out.find_first_not_of(' ', at);
    Require(start != std::string_view::npos, "a field is missing", out);
    const std::size_t end = std::min(out.find(' ', start), out.size());
    const std::string_view token = out.substr(start, end - start);
    const int width = ReadColumnFormat(t.formats[i])->width;
    const std::string padded(std::max<int>(0, width - static_cast<int>(token.size())), ' ');
    CheckField(padded + std::string(token), p.fields[i], t.formats[i]);
    rebuilt += padded + std::string(token);
    at = end;
  }
  Require(rebuilt == out, "blank-separated fields are not side by side", out);
}

void CheckLine(std::string_view line, const Recipe& r, int direction) {
  const Prediction p = Predict(line, r, direction);
  std::string out;
  try {
    out = ConvertLineText(line, direction, r.mode, *r.table, r.factor);
  } catch (const EOverflow&) {
    return Require(p.overflow, "an overflow that the values do not explain", line);
  } catch (const EConvertError& e) {
    return Require(p.notANumber == e.Message(), "a parse error for another field", e.Message());
  }
  Require(!p.overflow && !p.notANumber, "a failing line was converted", line);
  if (r.mode == SeparatorMode::Commas) return CheckCommaOutput(out, p, *r.table);
  CheckBlankOutput(out, p, *r.table);
}

// The converted lines in order up to the first that fails, and that failure.
struct FileOutcome {
  std::string text;
  std::optional<std::string> error;
};

// The line rule (no LF, no NUL) is checked on its own; the engine's text of
// a refusal is what the reference then expects.
std::optional<std::string> LineRefusal(const std::string& line, long number) {
  const bool textLine = line.find_first_of(std::string_view("\n\0", 2)) == std::string::npos;
  try {
    RequireTextLine("input", number, line);
  } catch (const Exception& e) {
    Require(!textLine, "a text line was refused by the line check", line);
    return e.Message();
  }
  Require(textLine, "a line holding LF or NUL passed the line check", line);
  return std::nullopt;
}

FileOutcome ExpectedFile(std::string_view bytes, const Recipe& r, int direction) {
  FileOutcome expected;
  long number = 0;
  for (const std::string& line : ReferenceLines(bytes)) {
    expected.error = LineRefusal(line, ++number);
    if (expected.error) break;
    try {
      expected.text += ConvertLineText(line, direction, r.mode, *r.table, r.factor) + "\r\n";
    } catch (const Exception& e) {
      expected.error = e.Message();
      break;
    }
  }
  return expected;
}

// A failure leaves only the whole blocks written before it.
void CheckFile(std::string_view bytes, const Recipe& r, int direction) {
  const FileOutcome expected = ExpectedFile(bytes, r, direction);
  MemoryFileSystem io{std::string(bytes)};
  ScopedFileSystem scope(io);
  LineFile in;
  LineFile out;
  in.Bind("input");
  out.Bind("output");
  Require(in.OpenRead() == 0 && out.OpenWrite() == 0, "open failed");
  try {
    ConvertLines(in, out, direction, r.mode, *r.table, -1, r.factor);
  } catch (const Exception& e) {
    Require(expected.error == e.Message(), "the file failed otherwise than its lines", e.Message());
    const std::size_t blocks = expected.text.size() / LineFile::kBufferSize * LineFile::kBufferSize;
    return Require(io.Written() == expected.text.substr(0, blocks), "a failed file wrote more");
  }
  Require(!expected.error, "a file with a failing line was converted");
  Require(out.Close() == 0, "close failed");
  Require(io.Written() == expected.text, "the file's text differs from its lines");
}

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace siconv::fuzz;
  static const std::vector<Recipe> recipes = AllRecipes();
  siconv::DecimalSeparator = '.';
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const Recipe& r : recipes) {
    for (int direction : {siconv::kToSi, siconv::kToOld}) CheckLine(bytes, r, direction);
  }
  // A kilobyte spans several blocks; longer files only slow the search down.
  CheckFile(bytes.substr(0, 1024), recipes[size % recipes.size()],
            static_cast<int>(size / recipes.size() % 2));
  return 0;
}
