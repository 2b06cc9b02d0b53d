#pragma once
// Sorting names by a collation of the texts they are shown as: the platform
// files of OrderFolderNames give the text and the collation.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace siconv {

// names sorted by compare (negative, zero or positive) of shown(name), each
// text made once; names whose texts compare equal keep their byte order.
template <typename Shown, typename Compare>
std::vector<std::string> OrderByShownText(std::vector<std::string> names, Shown shown,
                                          Compare compare) {
  using Text = decltype(shown(std::string()));
  std::vector<std::pair<std::string, Text>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) {
    Text text = shown(name);
    keyed.emplace_back(std::move(name), std::move(text));
  }
  std::sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
    const int order = compare(a.second, b.second);
    return order != 0 ? order < 0 : a.first < b.first;
  });
  std::vector<std::string> ordered;
  ordered.reserve(keyed.size());
  for (auto& entry : keyed) ordered.push_back(std::move(entry.first));
  return ordered;
}

}  // namespace siconv
