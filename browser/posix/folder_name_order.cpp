#include "browser/folder_name_order.h"

#include <QCollator>
#include <QString>

#include "browser/folder_display_name.h"
#include "browser/shown_text_order.h"

namespace siconv {

std::vector<std::string> OrderFolderNames(std::vector<std::string> names) {
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return OrderByShownText(
      std::move(names),
      [](const std::string& name) { return QString::fromStdString(FolderDisplayName(name)); },
      [&](const QString& a, const QString& b) { return collator.compare(a, b); });
}

}  // namespace siconv
