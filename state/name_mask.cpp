#include "state/name_mask.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/cp932.h"
#include "engine/exceptions.h"
#include "engine/format_text.h"

namespace siconv {
namespace {

constexpr int kMaxStars = 30;

unsigned char Fold(unsigned char b) {
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

struct MaskElement {
  enum class Kind { Star, AnyByte, Byte, DoubleByte, Set };
  Kind kind;
  unsigned char first = 0;     // Byte (folded), or the lead byte of DoubleByte
  unsigned char second = 0;    // the trail byte of DoubleByte
  std::bitset<256> members{};  // Set, folded
  bool negated = false;
};

// Reads a mask once into elements; "*" runs and the "?" after them collapse.
class MaskParser {
 public:
  explicit MaskParser(std::string_view mask) : mask_(mask) {}

  std::vector<MaskElement> Parse() {
    while (pos_ < mask_.size()) {
      auto c = static_cast<unsigned char>(mask_[pos_]);
      if (c == '*') {
        AddStar();
      } else if (c == '?') {
        if (!AfterStar()) elements_.push_back({MaskElement::Kind::AnyByte});
        ++pos_;
      } else if (c == '[') {
        AddSet();
      } else if (IsCp932LeadByte(c) && pos_ + 1 < mask_.size()) {
        elements_.push_back({MaskElement::Kind::DoubleByte, c, Byte(pos_ + 1)});
        pos_ += 2;
      } else {
        elements_.push_back({MaskElement::Kind::Byte, Fold(c)});
        ++pos_;
      }
    }
    return std::move(elements_);
  }

 private:
  unsigned char Byte(std::size_t at) const { return static_cast<unsigned char>(mask_[at]); }

  bool AfterStar() const {
    return !elements_.empty() && elements_.back().kind == MaskElement::Kind::Star;
  }

  [[noreturn]] void Fail(std::size_t index) const {
    auto position = static_cast<std::int32_t>(index + 1);
    throw Exception(FormatText("'%s' は不正なマスクです (%d バイト目)", {mask_, position}));
  }

  void AddStar() {
    if (!AfterStar()) {
      if (++stars_ > kMaxStars) Fail(pos_);
      elements_.push_back({MaskElement::Kind::Star});
    }
    ++pos_;
  }

  void AddSet() {
    MaskElement set{MaskElement::Kind::Set};
    ++pos_;
    if (pos_ < mask_.size() && mask_[pos_] == '!') {
      set.negated = true;
      ++pos_;
    }
    std::optional<unsigned char> last;
    while (pos_ >= mask_.size() || mask_[pos_] != ']') {
      if (pos_ >= mask_.size()) Fail(mask_.size());
      AddSetMember(set.members, last);
    }
    if (set.members.none()) Fail(pos_);
    ++pos_;
    elements_.push_back(set);
  }

  // One member, range or ignored double-byte character of a set.
  void AddSetMember(std::bitset<256>& members, std::optional<unsigned char>& last) {
    unsigned char c = Byte(pos_);
    if (IsCp932LeadByte(c)) {
      pos_ += 2;
      return;
    }
    if (c == '-' && !last) Fail(pos_);
    std::size_t next = pos_ + 1;
    bool range =
        c == '-' && next < mask_.size() && mask_[next] != ']' && !IsCp932LeadByte(Byte(next));
    unsigned char from = range ? *last : c;
    unsigned char to = range ? Byte(next) : c;
    for (unsigned b = from; b <= to; ++b) members.set(Fold(static_cast<unsigned char>(b)));
    last = to;
    pos_ += range ? 2 : 1;
  }

  std::string_view mask_;
  std::size_t pos_ = 0;
  int stars_ = 0;
  std::vector<MaskElement> elements_;
};

// The bytes the element covers at name[at], or 0 when it does not match there.
std::size_t MatchWidth(const MaskElement& element, std::string_view name, std::size_t at) {
  std::size_t left = name.size() - at;
  if (left == 0) return 0;
  auto b = static_cast<unsigned char>(name[at]);
  switch (element.kind) {
    case MaskElement::Kind::AnyByte:
      return 1;
    case MaskElement::Kind::Byte:
      return Fold(b) == element.first ? 1 : 0;
    case MaskElement::Kind::DoubleByte:
      return left >= 2 && b == element.first &&
                     static_cast<unsigned char>(name[at + 1]) == element.second
                 ? 2
                 : 0;
    case MaskElement::Kind::Set:
      return element.members.test(Fold(b)) != element.negated ? 1 : 0;
    case MaskElement::Kind::Star:
      break;
  }
  return 0;
}

// Every element but "*" covers a fixed number of bytes, so only the latest
// "*" ever needs to grow: the scan is O(name x mask) and never recurses.
bool Matches(const std::vector<MaskElement>& elements, std::string_view name) {
  std::size_t e = 0;
  std::size_t n = 0;
  std::optional<std::size_t> starElement;
  std::size_t starName = 0;
  while (true) {
    if (e < elements.size() && elements[e].kind == MaskElement::Kind::Star) {
      starElement = ++e;
      starName = n;
      continue;
    }
    if (e == elements.size() && n == name.size()) return true;
    std::size_t width = e < elements.size() ? MatchWidth(elements[e], name, n) : 0;
    if (width > 0) {
      n += width;
      ++e;
      continue;
    }
    if (!starElement || starName == name.size()) return false;
    e = *starElement;
    n = ++starName;
  }
}

}  // namespace

bool NameMatchesMask(std::string_view name, std::string_view mask) {
  return Matches(MaskParser(mask).Parse(), name);
}

}  // namespace siconv
