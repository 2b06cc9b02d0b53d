#include "engine/cp932.h"

#include <iconv.h>

#include <algorithm>

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
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return Fallback(bytes);
    // Room for three bytes per input byte: the most a CP932 byte becomes,
    // U+FFFD included, so iconv never runs out of room and every failure is
    // a byte that does not decode.
    std::string out(3 * bytes.size(), '\0');
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
      if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
      // An undecodable or cut-off character: one replacement, skip a byte.
      outPtr = std::copy(kReplacement.begin(), kReplacement.end(), outPtr);
      outLeft -= kReplacement.size();
      ++in;
      --inLeft;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(static_cast<size_t>(outPtr - out.data()));
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
