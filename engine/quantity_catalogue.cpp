#include "engine/quantity_catalogue.h"

namespace siconv {
namespace {

// Record file columns. Field positions count from 1; index 0 is field 1.
constexpr const char* kG73Formats[] = {"%3d", "%7.2f", "%13.6g", "%3d"};
constexpr const char* kG81Formats[] = {"%3d", "%7.2f", "%13.6f", "%s", "%s"};
constexpr const char* kL204Formats[] = {"%3d",   "%7.2f", "%7.2f", "%9.2f",  "%13.6f",
                                        "%9.2f", "%9.2f", "%9.2f", "%13.6f", "%9.2f",
                                        "%9.2f", "%9.2f", "%9.2f", "%9.2f",  "%9.2f"};
constexpr const char* kL205Formats[] = {"%3d",   "%7.2f", "%7.2f", "%13.6f", "%9.2f",
                                        "%9.2f", "%9.2f", "%9.2f", "%9.2f",  "%13.6f",
                                        "%9.2f", "%9.2f", "%9.2f", "%9.2f",  "%9.2f"};

constexpr int kG73Flags[] = {0, 0, 1, 0};
constexpr int kG81Flags[] = {0, 0, 1, 0, 0};
constexpr int kL204Field5Flags[] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr int kL204Field9Flags[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
constexpr int kL205Field4Flags[] = {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr int kL205Field10Flags[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};

// Header lines: three blank-separated numbers, all scaled.
constexpr const char* kWideHeaderFormats[] = {"%2.6g", "%15.6g", "%15.6g"};
constexpr const char* kNarrowHeaderFormats[] = {"%2.6g", "%14.6g", "%14.6g"};
constexpr int kHeaderFlags[] = {1, 1, 1};

template <size_t N>
constexpr ColumnTable Table(const char* const (&formats)[N], const int (&flags)[N]) {
  return ColumnTable{formats, flags, static_cast<int>(N)};
}

constexpr double kPressureFactor = 98.0665;
constexpr double kLoadFactor = 0.00980665;

const std::array<Quantity, kQuantityCount> kQuantities = {{
    {"給圧",
     "G73.TXT",
     "G73.HED",
     "kgf/cm2",
     "kN/m2",
     kPressureFactor,
     3,
     Table(kG73Formats, kG73Flags),
     {0, 1, 100, Table(kWideHeaderFormats, kHeaderFlags)}},
    {"送水圧",
     "G81.TXT",
     "G81.HED",
     "kgf/cm2",
     "kN/m2",
     kPressureFactor,
     3,
     Table(kG81Formats, kG81Flags),
     {0, 2, 100, Table(kWideHeaderFormats, kHeaderFlags)}},
    {"限界圧力(透水試験)",
     "L204.TXT",
     "L204.HED",
     "kgf/cm2",
     "kN/m2",
     kPressureFactor,
     5,
     Table(kL204Formats, kL204Field5Flags),
     {1, 10, 100, Table(kNarrowHeaderFormats, kHeaderFlags)}},
    {"間隙圧(透水試験)",
     "L204.TXT",
     "L204.HED",
     "kgf/cm2",
     "kN/m2",
     kPressureFactor,
     9,
     Table(kL204Formats, kL204Field9Flags),
     {5, 6, 100, Table(kNarrowHeaderFormats, kHeaderFlags)}},
    {"荷重(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)",
     "L205.TXT",
     "L205.HED",
     "kgf",
     "kN",
     kLoadFactor,
     4,
     Table(kL205Formats, kL205Field4Flags),
     {0, 11, 0.1, Table(kWideHeaderFormats, kHeaderFlags)}},
    {"地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)",
     "L205.TXT",
     "L205.HED",
     "kgf/m2",
     "kN/m2",
     kLoadFactor,
     10,
     Table(kL205Formats, kL205Field10Flags),
     {6, 5, 0.1, Table(kWideHeaderFormats, kHeaderFlags)}},
}};

}  // namespace

const std::array<Quantity, kQuantityCount>& Quantities() {
  return kQuantities;
}

QuantityLookup LookupQuantity(std::string_view caption) {
  for (size_t q = 0; q < kQuantities.size(); ++q) {
    if (caption == kQuantities[q].caption) return {static_cast<int>(q), kQuantities[q].recordFile};
  }
  return {};
}

}  // namespace siconv
