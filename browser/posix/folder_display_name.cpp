#include "browser/folder_display_name.h"

#include <iconv.h>

#include <QString>
#include <optional>

namespace siconv {
namespace {

bool IsUtf8(const std::string& name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toStdString() == name;
}

std::optional<std::string> FromCp932(const std::string& name) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in = name;
  std::string out(name.size() * 3, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::string FolderDisplayName(const std::string& name) {
  if (IsUtf8(name)) return name;
  if (std::optional<std::string> text = FromCp932(name)) return *text;
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toStdString();
}

}  // namespace siconv
