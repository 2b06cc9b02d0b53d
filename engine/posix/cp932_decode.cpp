#include "engine/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace siconv {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

class Converter {
 public:
  Converter() : cd_(iconv_open("UTF-8", "CP932")) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string Convert(std::string_view bytes) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return Fallback(bytes);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char chunk[256];
    while (inLeft > 0) {
      char* outPtr = chunk;
      size_t outLeft = sizeof chunk;
      size_t r = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      out.append(chunk, static_cast<size_t>(outPtr - chunk));
      if (r == static_cast<size_t>(-1) && errno != E2BIG) {
        // An undecodable or cut-off character: one replacement, skip a byte.
        out.append(kReplacement);
        ++in;
        --inLeft;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  static std::string Fallback(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
      if (c < 0x80)
        out.push_back(static_cast<char>(c));
      else
        out.append(kReplacement);
    }
    return out;
  }

  iconv_t cd_;
};

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
  thread_local Converter converter;
  return converter.Convert(bytes);
}

}  // namespace siconv
