#include "browser/folder_name_order.h"

#include <QCollator>
#include <QFile>
#include <QString>
#include <algorithm>
#include <unordered_set>

namespace siconv {
namespace {

struct SortName {
  std::string bytes;
  QString text;
};

// Case folding only, not collation equality: a locale collation that ignores
// case also takes katakana and hiragana, or full and half width, as equal.
std::string CaseKey(const SortName& name) {
  bool decodable = QFile::encodeName(name.text).toStdString() == name.bytes;
  return decodable ? name.text.toCaseFolded().toStdString() : name.bytes;
}

}  // namespace

std::vector<std::string> OrderFolderNames(std::vector<std::string> names) {
  std::vector<SortName> sortNames;
  sortNames.reserve(names.size());
  for (std::string& name : names) {
    QString text = QFile::decodeName(QByteArray::fromStdString(name));
    sortNames.push_back({std::move(name), std::move(text)});
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(sortNames.begin(), sortNames.end(), [&](const SortName& a, const SortName& b) {
    int order = collator.compare(a.text, b.text);
    return order != 0 ? order < 0 : a.bytes < b.bytes;
  });
  std::vector<std::string> ordered;
  std::unordered_set<std::string> seen;
  for (SortName& name : sortNames) {
    if (seen.insert(CaseKey(name)).second) ordered.push_back(std::move(name.bytes));
  }
  return ordered;
}

}  // namespace siconv
