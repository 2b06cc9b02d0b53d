#pragma once
// A text file read and written line by line through one buffer of
// kBufferSize bytes. Lines end at CR LF, a lone CR, the end marker 0x1A or the
// end of the file; a lone LF is line content. Written lines end in CR LF and
// reach the file in whole blocks of kBufferSize bytes, the rest at Close.
// Every operation returns an IoCode.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "engine/file_system.h"

namespace siconv {

class LineFile {
 public:
  // Large enough that the platform calls cost little beside the conversion
  // (output goes to a temporary file, so the block size is not observable),
  // small enough to stay in the cache.
  static constexpr std::size_t kBufferSize = 64 * 1024;
  enum class State { Unbound, Closed, Reading, Writing };

  LineFile() = default;
  ~LineFile();
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // Sets the name (never cut short); the state becomes closed. A handle still
  // open is closed first.
  void Bind(std::string name);
  int OpenRead();
  // Rewrite creates or empties; io_code::kNotOpenForWriting for a target that is no file.
  int OpenWrite(OpenMode mode = OpenMode::Rewrite);
  int ReadLine(std::string& text);
  int AtEnd(bool& atEnd);
  int WriteLine(std::string_view text);
  int Close();
  // Like Close for a file being written, with the data made durable (fsync)
  // before the handle is released.
  int CloseSynced();
  int Remove();
  // Renames the closed file; never replaces an existing file (io_code::kAlreadyExists).
  int MoveTo(const std::string& newName);

  // The status of the open file; the permissions and owner of another file
  // given to the file being written.
  int HandleStatus(FileStatus& status) const;
  int CopyAttributes(const FileStatus& from);

  const std::string& Name() const { return name_; }
  // Lines returned by ReadLine since the file was opened.
  long LinesRead() const { return linesRead_; }

 private:
  int OpenAs(State state, OpenMode mode);
  int Refill();
  int FlushBlock(std::size_t count);
  int ReleaseHandle();

  std::string name_;
  State state_ = State::Unbound;
  FileHandle file_;
  // The block's bytes on the heap, allocated once per LineFile and never cleared:
  // a short file touches only the pages that it fills.
  struct Buffer {
    std::unique_ptr<char[]> bytes{new char[kBufferSize]};
    char* begin() const { return bytes.get(); }
    char* data() const { return bytes.get(); }
    char& operator[](std::size_t i) const { return bytes[i]; }
  };
  Buffer buffer_;
  std::size_t position_ = 0;
  std::size_t fill_ = 0;
  long linesRead_ = 0;
};

}  // namespace siconv
