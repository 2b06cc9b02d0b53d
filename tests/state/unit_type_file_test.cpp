#include "state/unit_type_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/exceptions.h"
#include "engine/io_code.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

struct ReadCase {
  std::string value;  // of SI_0; "<none>" leaves the key out
  std::int32_t expected;
};

TEST(UnitTypeFileTest, ReadsEachValueByTheIntegerRules) {
  // The integer rules have their own table; here what the file adds to them.
  const ReadCase cases[] = {
      {"1", 1}, {"-1", -1}, {"$FFFFFFFF", -1}, {"1.0", 0}, {"", 0}, {"<none>", 0}, {"\t1", 0},
  };
  TempDir dir;
  for (const ReadCase& c : cases) {
    std::string key = c.value == "<none>" ? "" : "SI_0=" + c.value + "\r\n";
    WriteFile(dir.Path("SICONV.INI"), "[UNITTYPE]\r\n" + key + "SI_1=1\r\n");
    UnitTypes read = ReadUnitTypeFile(dir.Path());
    EXPECT_EQ(read[0], c.expected) << "SI_0=" << c.value;
    EXPECT_EQ(read[1], 1);
  }
}

TEST(UnitTypeFileTest, MissingFileReadsAsZerosAndIsNotCreated) {
  TempDir dir;
  EXPECT_EQ(ReadUnitTypeFile(dir.Path()), UnitTypes{});
  EXPECT_FALSE(FileExists(dir.Path("SICONV.INI")));
  EXPECT_EQ(ReadUnitTypeFile(dir.Path("missing")), UnitTypes{});
}

TEST(UnitTypeFileTest, CreatesTheFileWithAllSixKeys) {
  TempDir dir;
  WriteUnitTypeFile(dir.Path(), {0, 1, 0, 1, -7, 2147483647});
  EXPECT_EQ(ReadFile(dir.Path("SICONV.INI")),
            "[UNITTYPE]\r\nSI_0=0\r\nSI_1=1\r\nSI_2=0\r\nSI_3=1\r\nSI_4=-7\r\nSI_5=2147483647\r\n");
  EXPECT_EQ(ReadUnitTypeFile(dir.Path()), (UnitTypes{0, 1, 0, 1, -7, 2147483647}));
}

TEST(UnitTypeFileTest, RewriteKeepsTheRestOfTheFile) {
  TempDir dir;
  std::string path = dir.Path("SICONV.INI");
  WriteFile(path, "; survey\n[UNITTYPE]\nSI_0=$1\nSI_3=1\n\n[VIEW]\nSI_0=9\n");
  WriteUnitTypeFile(dir.Path(), {0, 0, 1, 1, 0, 0});
  EXPECT_EQ(ReadFile(path),
            "; survey\n[UNITTYPE]\nSI_0=0\nSI_3=1\nSI_1=0\r\nSI_2=1\r\nSI_4=0\r\nSI_5=0\r\n"
            "\n[VIEW]\nSI_0=9\n");
  EXPECT_FALSE(FileExists(dir.Path("SICONV.$$$")));
}

TEST(UnitTypeFileTest, UsesAFileNamedInOtherLetterCase) {
  TempDir dir;
  WriteFile(dir.Path("siconv.ini"), "[UnitType]\r\nsi_2=1\r\n");
  EXPECT_EQ(UnitTypeFilePath(dir.Path()), dir.Path("siconv.ini"));
  EXPECT_EQ(ReadUnitTypeFile(dir.Path())[2], 1);
  WriteUnitTypeFile(dir.Path(), {1, 0, 0, 0, 0, 0});
  EXPECT_EQ(ReadFile(dir.Path("siconv.ini")),
            "[UnitType]\r\nsi_2=0\r\nSI_0=1\r\nSI_1=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
  // Listed, as a name that differs only in case does not exist apart on Windows.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"siconv.ini"});
}

TEST(UnitTypeFileTest, ReadOnlyFileIsRefusedAndLeftAlone) {
  TempDir dir;
  std::string path = dir.Path("SICONV.INI");
  WriteFile(path, "[UNITTYPE]\r\nSI_0=1\r\n");
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(CanWriteUnitTypeFile(dir.Path()));
  try {
    WriteUnitTypeFile(dir.Path(), {});
    ADD_FAILURE() << "a read-only SICONV.INI was replaced";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), path + " に書き込めません");
  }
  EXPECT_EQ(ReadFile(path), "[UNITTYPE]\r\nSI_0=1\r\n");
  EXPECT_FALSE(FileExists(dir.Path("SICONV.$$$")));
}

TEST(UnitTypeFileTest, TellsWhetherTheFileCanBeWritten) {
  TempDir dir;
  EXPECT_TRUE(CanWriteUnitTypeFile(dir.Path()));
  WriteFile(dir.Path("SICONV.INI"), "");
  EXPECT_TRUE(CanWriteUnitTypeFile(dir.Path()));
  EXPECT_FALSE(CanWriteUnitTypeFile(dir.Path("missing")));
  EXPECT_THROW(WriteUnitTypeFile(dir.Path("missing"), {}), Exception);
}

TEST(UnitTypeFileTest, FolderInPlaceOfTheFileFailsReadAndWrite) {
  TempDir dir;
  ASSERT_TRUE(std::filesystem::create_directory(dir.Path("SICONV.INI")));
  EXPECT_THROW(ReadUnitTypeFile(dir.Path()), Exception);  // there, but no readable file
  EXPECT_THROW(WriteUnitTypeFile(dir.Path(), {}), Exception);
  EXPECT_FALSE(FileExists(dir.Path("SICONV.$$$")));
}

// A failure at any single call of the rewrite leaves the old or the new file,
// never a mixture or a leftover temporary file, and is always reported.
void ExpectEveryFaultLeavesOldOrNew(const std::string& initial) {
  TempDir dir;
  std::string path = dir.Path("SICONV.INI");
  const UnitTypes values = {1, 0, 1, 0, 1, 0};
  auto reset = [&] {
    unlink(path.c_str());
    if (!initial.empty()) WriteFile(path, initial);
  };
  FaultInjectingFileSystem io;
  ScopedFileSystem scope(io);
  reset();
  WriteUnitTypeFile(dir.Path(), values);
  const std::string written = ReadFile(path);
  const int calls = io.Count();
  ASSERT_GT(calls, 0);
  for (int n = 1; n <= calls; ++n) {
    reset();
    io.Reset();
    io.FailNth(n, io_code::kOther);
    bool raised = false;
    try {
      WriteUnitTypeFile(dir.Path(), values);
    } catch (const Exception& e) {
      raised = true;
      EXPECT_EQ(e.Message(), path + " に書き込めません");
    }
    EXPECT_TRUE(io.FaultFired());
    EXPECT_TRUE(raised) << "failed call " << n << " was not reported";
    if (FileExists(path)) {
      std::string now = ReadFile(path);
      EXPECT_TRUE(now == initial || now == written) << "call " << n << " left '" << now << "'";
    } else {
      EXPECT_TRUE(initial.empty()) << "call " << n << " removed SICONV.INI";
    }
    EXPECT_FALSE(FileExists(dir.Path("SICONV.$$$"))) << "call " << n;
  }
}

TEST(UnitTypeFileTest, EveryFaultLeavesAnExistingFileOldOrNew) {
  ExpectEveryFaultLeavesOldOrNew("; keep\r\n[UNITTYPE]\r\nSI_0=0\r\nSI_5=1\r\n[X]\r\nY=1\r\n");
}

TEST(UnitTypeFileTest, EveryFaultLeavesAMissingFileMissingOrNew) {
  ExpectEveryFaultLeavesOldOrNew("");
}

// A unit file that is there but cannot be read must not pass for "all old".
TEST(UnitTypeFileTest, ReadFailureOfAnExistingFileRaises) {
  TempDir dir;
  WriteFile(dir.Path("SICONV.INI"), "[UNITTYPE]\r\nSI_0=1\r\n");
  for (FsCall call : {FsCall::Open, FsCall::Read, FsCall::Close}) {
    FaultInjectingFileSystem io;
    ScopedFileSystem scope(io);
    io.FailNth(1, io_code::kOther, call, "/SICONV.INI");
    try {
      ReadUnitTypeFile(dir.Path());
      ADD_FAILURE() << "no error for call " << static_cast<int>(call);
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.Message(), "I/O エラー (31)");
      EXPECT_EQ(e.PlaceFile(), dir.Path("SICONV.INI"));
    }
  }
}

}  // namespace
}  // namespace siconv
