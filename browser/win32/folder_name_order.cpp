#include "browser/folder_name_order.h"

#include <windows.h>

#include "browser/shown_text_order.h"
#include "engine/win32/wide_text.h"

namespace siconv {
namespace {

// Names from the wide calls are always UTF-8; one that is not has no text
// and sorts by its bytes.
std::wstring ShownText(const std::string& name) {
  std::wstring text;
  Utf8ToWide(name, text);
  return text;
}

// CompareStringEx answers 1, 2 or 3 for less, equal and greater.
int CompareShownTexts(const std::wstring& a, const std::wstring& b) {
  return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                         static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), nullptr,
                         nullptr, 0) -
         CSTR_EQUAL;
}

}  // namespace

std::vector<std::string> OrderFolderNames(std::vector<std::string> names) {
  return OrderByShownText(std::move(names), ShownText, CompareShownTexts);
}

}  // namespace siconv
