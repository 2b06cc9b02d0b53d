// The example folders converted by the engine give the bytes the Linux build
// gave when this table was made; the Windows build runs the same table, so
// both builds are held to the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/file_conversion.h"
#include "engine/line_converter.h"
#include "engine/quantity_catalogue.h"
#include "tests/support/conversion_rig.h"
#include "tests/support/direct_install.h"

namespace siconv {
namespace {

// FNV-1a, 64 bits.
std::uint64_t Fingerprint(const std::string& bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3u;
  return hash;
}

struct Expected {
  const char* folder;
  int step;  // 1 after the first conversion, 2 after the conversion back
  const char* file;
  std::uint64_t fingerprint;
};

constexpr Expected kExpected[] = {
    {"old-units", 1, "G73.TXT", 0x8279d43176b65585u},
    {"old-units", 1, "G73.HED", 0x48260ba263ee66a5u},
    {"old-units", 1, "G81.TXT", 0xf4841dce95091a94u},
    {"old-units", 1, "G81.HED", 0xd91759c61353b805u},
    {"old-units", 1, "L204.TXT", 0x018bf6d542920381u},
    {"old-units", 1, "L204.HED", 0x60dc21f9185b2627u},
    {"old-units", 1, "L205.TXT", 0xf909e7b29ee7b536u},
    {"old-units", 1, "L205.HED", 0x868d0986e5acc79cu},
    {"old-units", 2, "G73.TXT", 0x2aa4fd8a113839f0u},
    {"old-units", 2, "G73.HED", 0x92172eaf654ad7d9u},
    {"old-units", 2, "G81.TXT", 0xecf04c6848f7517du},
    {"old-units", 2, "G81.HED", 0x56773c76dee5a805u},
    {"old-units", 2, "L204.TXT", 0x39968761e610c9f1u},
    {"old-units", 2, "L204.HED", 0x5d50b72d093996ebu},
    {"old-units", 2, "L205.TXT", 0xae17047e82d6ae55u},
    {"old-units", 2, "L205.HED", 0xdbb9bbca33b32cbcu},
    {"si-units", 1, "G73.TXT", 0xd8ef40ce24be08a1u},
    {"si-units", 1, "G73.HED", 0x92172eaf654ad7d9u},
    {"si-units", 1, "G81.TXT", 0xeab156110f40efa9u},
    {"si-units", 1, "G81.HED", 0x56773c76dee5a805u},
    {"si-units", 1, "L204.TXT", 0x54b4fea24bf04a80u},
    {"si-units", 1, "L204.HED", 0x5d50b72d093996ebu},
    {"si-units", 1, "L205.TXT", 0x46740d452dd98883u},
    {"si-units", 1, "L205.HED", 0xdbb9bbca33b32cbcu},
    {"si-units", 2, "G73.TXT", 0x07e9c0505d0dd32bu},
    {"si-units", 2, "G73.HED", 0x48260ba263ee66a5u},
    {"si-units", 2, "G81.TXT", 0x7c144e74463fe94eu},
    {"si-units", 2, "G81.HED", 0xd91759c61353b805u},
    {"si-units", 2, "L204.TXT", 0x06588165a7379b7eu},
    {"si-units", 2, "L204.HED", 0x60dc21f9185b2627u},
    {"si-units", 2, "L205.TXT", 0xe5cede9d01b6744bu},
    {"si-units", 2, "L205.HED", 0x868d0986e5acc79cu},
};

void ExpectFingerprints(const ConversionRig& rig, const std::string& folder, int step) {
  for (const Expected& e : kExpected) {
    if (e.folder != folder || e.step != step) continue;
    EXPECT_EQ(Fingerprint(ReadFile(rig.dir.Path(e.file))), e.fingerprint)
        << folder << " step " << step << ": " << e.file;
  }
}

TEST(ExampleFolders, ConvertThereAndBackToTheReferenceBytes) {
  struct Road {
    const char* folder;
    int first;
    int second;
  };
  for (const Road& road : {Road{"old-units", kToSi, kToOld}, Road{"si-units", kToOld, kToSi}}) {
    ConversionRig rig;
    const std::string source = std::string(SICONV_SOURCE_DIR) + "/examples/" + road.folder;
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
      std::filesystem::copy_file(entry.path(), rig.dir.Path(entry.path().filename().string()));
    }
    int step = 0;
    for (int direction : {road.first, road.second}) {
      ++step;
      for (int quantity = 0; quantity < kQuantityCount; ++quantity) {
        ASSERT_TRUE(ConvertDirectly(rig.ctx, direction, quantity)) << road.folder;
      }
      ExpectFingerprints(rig, road.folder, step);
    }
  }
}

}  // namespace
}  // namespace siconv
