#pragma once
// Turns record lines into record lines: split into fields, parse, scale the
// quantity's fields, render every field again in its column format.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_file.h"
#include "engine/verbatim_field.h"

namespace siconv {

enum class SeparatorMode { Blanks = 0, Commas = 1 };

// Direction 1 converts to SI units (multiply); any other value back (divide).
inline constexpr int kToSi = 1;
inline constexpr int kToOld = 0;

struct ColumnTable {
  std::span<const char* const> formats;  // one column format per field
  std::span<const int> flags;            // 0 keep, 1 scale, 2 scale and x100
  int fieldCount = 0;
};

class LineOutput;

// A column table made ready for many lines: how each column is rendered is
// decided once, and a line is converted into a text the caller reuses, so
// that converting a line allocates nothing.
class LineConverter {
 public:
  LineConverter(int direction, SeparatorMode mode, const ColumnTable& table, double factor);
  // Appends the conversion of line to out.
  void Convert(std::string_view line, std::string& out) const;

 private:
  enum class Render { Integer, Echo, Number };
  struct Column {
    const char* format;
    int flag;
    Render render;
    // Set when an unscaled field already written in this layout may be copied.
    std::optional<VerbatimLayout> verbatim;
  };
  void AppendField(LineOutput& out, std::string_view field, const Column& column) const;

  int direction_;
  SeparatorMode mode_;
  double factor_;
  std::vector<Column> columns_;
};

// One line's conversion without files: the text that ConvertLine writes.
std::string ConvertLineText(std::string_view line, int direction, SeparatorMode mode,
                            const ColumnTable& table, double factor);

// Reads one line of in and writes its conversion to out; raises on failure.
void ConvertLine(LineFile& in, LineFile& out, int direction, SeparatorMode mode,
                 const ColumnTable& table, double factor);

// lineCount lines, or every remaining line for -1.
bool ConvertLines(LineFile& in, LineFile& out, int direction, SeparatorMode mode,
                  const ColumnTable& table, int lineCount, double factor);

// count lines copied unchanged (empty lines past the end), or every remaining
// line for -1.
bool CopyLines(LineFile& in, LineFile& out, int count);

}  // namespace siconv
