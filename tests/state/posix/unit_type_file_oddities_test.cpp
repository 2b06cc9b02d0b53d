// SICONV.INI files that are not what they seem: a byte-order mark, a pipe, a
// device, a huge file; a temporary name taken by a link or a pipe. POSIX only:
// most cases need links, FIFOs, permission bits or owners.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "engine/exceptions.h"
#include "state/unit_type_file.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

constexpr const char* kBom = "\xEF\xBB\xBF";

struct IniCase {
  const char* what;
  std::function<void(const TempDir&)> arrange;
  std::string error;  // after the path; empty: reads {1, 0, ...}
};

TEST(UnitTypeFileOdditiesTest, OddFilesReadRightOrAreRefusedByName) {
  const std::string ini = "[UNITTYPE]\r\nSI_0=1\r\n";
  const IniCase cases[] = {
      {"byte-order mark", [&](const TempDir& d) { WriteFile(d.Path("SICONV.INI"), kBom + ini); },
       ""},
      {"FIFO", [](const TempDir& d) { ::mkfifo(d.Path("SICONV.INI").c_str(), 0644); },
       " は通常のファイルではありません"},
      {"link to /dev/zero",
       [](const TempDir& d) { ::symlink("/dev/zero", d.Path("SICONV.INI").c_str()); },
       " は通常のファイルではありません"},
      {"folder", [](const TempDir& d) { ::mkdir(d.Path("SICONV.INI").c_str(), 0755); },
       " は通常のファイルではありません"},
      {"over 1 MiB",
       [&](const TempDir& d) {
         WriteFile(d.Path("SICONV.INI"), ini + std::string(1 << 20, ';') + "\r\n");
       },
       " が大きすぎます"},
  };
  for (const IniCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    c.arrange(dir);
    try {
      EXPECT_EQ(ReadUnitTypeFile(dir.Path()), (UnitTypes{1, 0, 0, 0, 0, 0}));
      EXPECT_EQ(c.error, "");
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), dir.Path("SICONV.INI") + c.error);
    }
  }
}

TEST(UnitTypeFileOdditiesTest, ByteOrderMarkIsKeptAndTheSectionNotRepeated) {
  TempDir dir;
  WriteFile(dir.Path("SICONV.INI"), std::string(kBom) + "[UNITTYPE]\r\nSI_0=1\r\n");
  WriteUnitTypeFile(dir.Path(), {0, 1, 0, 0, 0, 0});
  EXPECT_EQ(ReadFile(dir.Path("SICONV.INI")),
            std::string(kBom) +
                "[UNITTYPE]\r\nSI_0=0\r\nSI_1=1\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
}

// The temporary file of the rewrite is always a new file of our own.
TEST(UnitTypeFileOdditiesTest, TemporaryNameTakenByALinkOrAPipe) {
  TempDir outside;
  const std::string victim = outside.Path("victim");
  WriteFile(victim, "keep me\r\n");
  const std::function<void(const std::string&)> takers[] = {
      [&](const std::string& path) { ::symlink(victim.c_str(), path.c_str()); },
      [&](const std::string& path) { ::symlink(outside.Path("new").c_str(), path.c_str()); },
      [](const std::string& path) { ::mkfifo(path.c_str(), 0644); },
  };
  for (const auto& take : takers) {
    TempDir dir;
    take(dir.Path("SICONV.$$$"));
    ::alarm(20);
    WriteUnitTypeFile(dir.Path(), {1, 1, 1, 1, 1, 1});
    ::alarm(0);
    EXPECT_EQ(ReadUnitTypeFile(dir.Path()), (UnitTypes{1, 1, 1, 1, 1, 1}));
    struct stat st;
    EXPECT_TRUE(::lstat(dir.Path("SICONV.INI").c_str(), &st) == 0 && S_ISREG(st.st_mode));
    EXPECT_FALSE(FileExists(dir.Path("SICONV.$$$")));
  }
  EXPECT_EQ(ReadFile(victim), "keep me\r\n");
  EXPECT_FALSE(FileExists(outside.Path("new")));
}

// Run as root here, so giving the file away can be checked.
TEST(UnitTypeFileOdditiesTest, RewriteKeepsPermissionsAndOwner) {
  TempDir dir;
  WriteFile(dir.Path("SICONV.INI"), "[UNITTYPE]\r\n");
  ASSERT_EQ(::chmod(dir.Path("SICONV.INI").c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(dir.Path("SICONV.INI").c_str(), 65534, 65534), 0);
  }
  WriteUnitTypeFile(dir.Path(), {1, 0, 0, 0, 0, 0});
  struct stat st;
  ASSERT_EQ(::stat(dir.Path("SICONV.INI").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(st.st_uid, 65534u);
  }
}

}  // namespace
}  // namespace siconv
