// A console shows text handed over in UTF-16 (WriteConsoleW) whatever its
// code page; a redirected stream gets the UTF-8 bytes unchanged.
#include <windows.h>

#include <shellapi.h>

#include <streambuf>

#include "cli/console.h"
#include "engine/win32/wide_text.h"

namespace siconv {
namespace {

// Bytes of a UTF-8 text that end in the middle of a character.
std::size_t CutCharacterLength(const std::string& text) {
  std::size_t n = 0;
  while (n < text.size() && n < 4 &&
         (static_cast<unsigned char>(text[text.size() - 1 - n]) & 0xC0) == 0x80)
    ++n;
  if (n == text.size()) return n;
  unsigned char lead = static_cast<unsigned char>(text[text.size() - 1 - n]);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return length > n + 1 ? n + 1 : 0;
}

class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = GetConsoleMode(handle_, &mode) != 0;
  }
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) pending_.push_back(static_cast<char>(c));
    if (c == '\n' || pending_.size() >= 4096) Send();
    return traits_type::not_eof(c);
  }

  std::streamsize xsputn(const char* text, std::streamsize n) override {
    pending_.append(text, static_cast<std::size_t>(n));
    if (pending_.find('\n') != std::string::npos || pending_.size() >= 4096) Send();
    return n;
  }

  int sync() override {
    Send();
    return 0;
  }

 private:
  // Writes what is pending but a character cut short at its end.
  void Send() {
    std::size_t keep = console_ ? CutCharacterLength(pending_) : 0;
    std::string ready = pending_.substr(0, pending_.size() - keep);
    pending_.erase(0, ready.size());
    if (ready.empty() || handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return;
    DWORD done = 0;
    if (console_) {
      std::wstring wide;
      if (!Utf8ToWide(ready, wide)) wide = L"\xFFFD";
      WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    } else {
      WriteFile(handle_, ready.data(), static_cast<DWORD>(ready.size()), &done, nullptr);
    }
  }

  HANDLE handle_;
  bool console_ = false;
  std::string pending_;
};

}  // namespace

// Windows's main() gets its arguments in the ANSI code page, where names in
// other scripts are lost; the UTF-16 command line keeps them.
std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(WideToUtf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

std::ostream& ConsoleOut() {
  static ConsoleBuffer buffer(STD_OUTPUT_HANDLE);
  static std::ostream stream(&buffer);
  return stream;
}

std::ostream& ConsoleErr() {
  static ConsoleBuffer buffer(STD_ERROR_HANDLE);
  static std::ostream stream(&buffer);
  stream.setf(std::ios::unitbuf);
  return stream;
}

}  // namespace siconv
