#include "state/folder_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace siconv {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kFeed = "給圧";
constexpr const char* kWater = "送水圧";
constexpr const char* kLimit = "限界圧力(透水試験)";
constexpr const char* kPore = "間隙圧(透水試験)";
constexpr const char* kLoad = "荷重(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)";
constexpr const char* kBearing = "地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)";

struct ScanCase {
  const char* what;
  Names fileNames;
  UnitTypes unitType;
  Names oldUnits;
  Names siUnits;
};

TEST(FolderScanTest, ListsTheQuantitiesOfTheRecordFilesPresent) {
  const ScanCase cases[] = {
      {"no record files", {"G73.HED", "SICONV.INI", "README"}, {1, 1, 1, 1, 1, 1}, {}, {}},
      {"L204 alone files its two quantities independently",
       {"L204.TXT"},
       {0, 0, 1, 0, 0, 0},
       {kPore},
       {kLimit}},
      {"lower-case name", {"g73.txt"}, {}, {kFeed}, {}},
      {"names that only resemble a record file",
       {"G73.TXT.BAK", "G73.TX", "XG73.TXT", "G81.TXT~", "L205"},
       {},
       {},
       {}},
      {"catalogue order whatever the order of the names, any nonzero entry is SI",
       {"L205.TXT", "L204.TXT", "G81.TXT", "G73.TXT"},
       {2, 0, -1, 0, 1, 0},
       {kWater, kPore, kBearing},
       {kFeed, kLimit, kLoad}},
      {"two names in different letter case list the quantity once",
       {"G81.TXT", "g81.txt", "G81.txt"},
       {0, 1, 0, 0, 0, 0},
       {},
       {kWater}},
  };
  for (const ScanCase& c : cases) {
    QuantityLists lists = ScanQuantities(c.fileNames, c.unitType);
    EXPECT_EQ(lists.oldUnits, c.oldUnits) << c.what;
    EXPECT_EQ(lists.siUnits, c.siUnits) << c.what;
  }
}

TEST(FolderScanTest, PresentQuantitiesFollowTheCatalogue) {
  EXPECT_EQ(PresentQuantities({"l205.txt", "G81.TXT", "x.txt"}), (std::vector<int>{1, 4, 5}));
  EXPECT_EQ(PresentQuantities({}), std::vector<int>{});
}

TEST(FolderScanTest, ListAllQuantitiesFilesAllSix) {
  QuantityLists lists = ListAllQuantities({0, 1, 0, 0, 0, 7});
  EXPECT_EQ(lists.oldUnits, (Names{kFeed, kLimit, kPore, kLoad}));
  EXPECT_EQ(lists.siUnits, (Names{kWater, kBearing}));
}

}  // namespace
}  // namespace siconv
