#include "browser/folder_name_order.h"

#include <QCollator>
#include <QString>
#include <algorithm>

#include "browser/folder_display_name.h"

namespace siconv {
namespace {

struct SortName {
  std::string bytes;
  QString text;
};

}  // namespace

std::vector<std::string> OrderFolderNames(std::vector<std::string> names) {
  std::vector<SortName> sortNames;
  sortNames.reserve(names.size());
  for (std::string& name : names) {
    QString text = QString::fromStdString(FolderDisplayName(name));
    sortNames.push_back({std::move(name), std::move(text)});
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(sortNames.begin(), sortNames.end(), [&](const SortName& a, const SortName& b) {
    int order = collator.compare(a.text, b.text);
    return order != 0 ? order < 0 : a.bytes < b.bytes;
  });
  std::vector<std::string> ordered;
  ordered.reserve(sortNames.size());
  for (SortName& name : sortNames) ordered.push_back(std::move(name.bytes));
  return ordered;
}

}  // namespace siconv
