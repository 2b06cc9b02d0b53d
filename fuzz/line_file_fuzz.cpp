// LineFile over arbitrary bytes, served in pieces as a pipe may serve them:
// no line read holds CR or 0x1A, the lines are exactly those of the text up
// to its first 0x1A, reading past the end gives empty lines without error,
// and writing the lines back produces CR LF lines in whole blocks of
// LineFile::kBufferSize bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_file.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/memory_file_system.h"
#include "fuzz/text_reference.h"

namespace siconv::fuzz {
namespace {

// Read sizes derived from the input, so that the corpus covers short reads.
std::vector<std::size_t> Pieces(std::string_view bytes) {
  if (bytes.size() % 3 == 0) return {};
  return {1 + bytes.size() % 7, LineFile::kBufferSize, 3 + bytes.size() % 50};
}

std::vector<std::string> ReadUntilAtEnd(LineFile& in) {
  std::vector<std::string> lines;
  for (;;) {
    bool atEnd = false;
    Require(in.AtEnd(atEnd) == 0, "AtEnd failed");
    if (atEnd) return lines;
    std::string line;
    Require(in.ReadLine(line) == 0, "ReadLine failed");
    Require(line.find_first_of("\r\x1A") == std::string::npos, "a line holds CR or 0x1A", line);
    lines.push_back(std::move(line));
  }
}

void CheckReadPastEnd(LineFile& in) {
  for (int i = 0; i < 3; ++i) {
    std::string line = "x";
    Require(in.ReadLine(line) == 0 && line.empty(), "reading past the end gave a line");
    bool atEnd = false;
    Require(in.AtEnd(atEnd) == 0 && atEnd, "AtEnd false past the end");
  }
}

void CheckReading(std::string_view bytes, const std::vector<std::string>& expected) {
  MemoryFileSystem io{std::string(bytes), Pieces(bytes)};
  ScopedFileSystem scope(io);
  LineFile in;
  in.Bind("input");
  Require(in.OpenRead() == 0, "OpenRead failed");
  Require(ReadUntilAtEnd(in) == expected, "lines differ from the text's lines", bytes);
  Require(in.LinesRead() == static_cast<long>(expected.size()), "LinesRead miscounts");
  CheckReadPastEnd(in);
  Require(in.Close() == 0, "Close failed");
}

// ReadLine alone, without asking AtEnd first, gives the same lines.
void CheckReadingWithoutAtEnd(std::string_view bytes, const std::vector<std::string>& expected) {
  MemoryFileSystem io{std::string(bytes)};
  ScopedFileSystem scope(io);
  LineFile in;
  in.Bind("input");
  Require(in.OpenRead() == 0, "OpenRead failed");
  for (const std::string& want : expected) {
    std::string line;
    Require(in.ReadLine(line) == 0 && line == want, "ReadLine alone gave another line", line);
  }
  CheckReadPastEnd(in);
}

void CheckWriting(const std::vector<std::string>& lines) {
  MemoryFileSystem io{std::string()};
  ScopedFileSystem scope(io);
  LineFile out;
  out.Bind("output");
  Require(out.OpenWrite() == 0, "OpenWrite failed");
  std::string expected;
  for (const std::string& line : lines) {
    Require(out.WriteLine(line) == 0, "WriteLine failed");
    expected += line + "\r\n";
  }
  Require(out.Close() == 0, "Close failed");
  Require(io.Written() == expected, "written text differs", io.Written());
  const std::vector<std::size_t>& sizes = io.WriteSizes();
  for (std::size_t i = 0; i + 1 < sizes.size(); ++i) {
    Require(sizes[i] == LineFile::kBufferSize, "a write before the last is no whole block");
  }
  Require(sizes.empty() || (sizes.back() >= 1 && sizes.back() <= LineFile::kBufferSize),
          "the last write is empty or too long");
}

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace siconv::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> expected = ReferenceLines(bytes);
  CheckReading(bytes, expected);
  CheckReadingWithoutAtEnd(bytes, expected);
  CheckWriting(expected);
  return 0;
}
