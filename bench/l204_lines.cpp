#include "bench/l204_lines.h"

#include <cstdio>
#include <random>

namespace siconv {

std::vector<std::string> L204Lines(int count) {
  std::mt19937 random(204);
  auto uniform = [&](double from, double to) {
    return std::uniform_real_distribution<double>(from, to)(random);
  };
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  char line[256];
  for (int i = 0; i < count; ++i) {
    const double top = uniform(1, 400);
    std::snprintf(line, sizeof line,
                  "%3d,%7.2f,%7.2f,%9.2f,%13.6f,%9.2f,%9.2f,%9.2f,%13.6f,%9.2f,%9.2f,%9.2f,%9.2f,"
                  "%9.2f,%9.2f",
                  i % 999 + 1, top, top + 5, uniform(1, 30), uniform(2, 15), uniform(0, 90),
                  uniform(0, 90), uniform(0, 90), uniform(0.1, 3), uniform(0, 50), uniform(0, 50),
                  uniform(0, 50), uniform(0, 50), uniform(0, 50), uniform(0, 50));
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace siconv
