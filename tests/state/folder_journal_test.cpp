// A journal that this program did not write whole is never acted on: the
// folder is refused with the journal named, and no file is renamed.
#include "state/folder_journal.h"

#include <gtest/gtest.h>

#include "engine/io_code.h"
#include "state/folder_hold.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(FolderJournalTest, AJournalNotOfThisProgramStopsTheFolder) {
  const std::string units = "UNITTYPE 1 0 0 0 0 0\r\n";
  const std::string journals[] = {
      "SICONV.JNL 1\r\n" + units + "REPLACE KELDRAN.$$$ G73.TXT\r\n",  // no END
      "SICONV.JNL 1\r\n" + units + "REPLACE KELDRAN.$$$ ../G73.TXT\r\nEND\r\n",
      "SICONV.JNL 1\r\n" + units + "REPLACE G73.HED G73.TXT\r\nEND\r\n",
      "SICONV.JNL 1\r\n" + units + "REPLACE KELDRAN.$$$ SICONV.INI\r\nEND\r\n",
      "SICONV.JNL 1\r\nUNITTYPE 1 0 0 0 0\r\nEND\r\n",
      "SICONV.JNL 2\r\n" + units + "END\r\n",
  };
  for (const std::string& journal : journals) {
    SCOPED_TRACE(journal);
    TempDir dir;
    WriteFile(dir.Path("SICONV.JNL"), journal);
    WriteFile(dir.Path("KELDRAN.$$$"), "converted");
    WriteFile(dir.Path("G73.TXT"), "original");
    try {
      const FolderHold hold(dir.Path());
      ADD_FAILURE() << "accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), dir.Path("SICONV.JNL") + " が壊れています");
    }
    EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), "original");
    EXPECT_EQ(ReadFile(dir.Path("KELDRAN.$$$")), "converted");
  }
}

TEST(FolderJournalTest, AJournalOfThisProgramIsCompletedInAnyLetterCase) {
  TempDir dir;
  const FolderJournal journal{{0, 0, 1, 1, 0, 0},
                              {{dir.Path("KELDRAN.$$$"), dir.Path("l204.txt")},
                               {dir.Path("KELDRAN.$$H"), dir.Path("L204.HED")}}};
  std::string text;
  for (const std::string& line : JournalLines(journal)) text += line + "\r\n";
  WriteFile(dir.Path("SICONV.JNL"), text);
  WriteFile(dir.Path("KELDRAN.$$$"), "converted");  // the header was renamed already
  WriteFile(dir.Path("l204.txt"), "original");
  WriteFile(dir.Path("L204.HED"), "converted header");
  { const FolderHold hold(dir.Path()); }
  EXPECT_EQ(ReadFile(dir.Path("l204.txt")), "converted");
  EXPECT_EQ(ReadFile(dir.Path("L204.HED")), "converted header");
  EXPECT_EQ(ReadFile(dir.Path("SICONV.INI")),
            "[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\nSI_2=1\r\nSI_3=1\r\nSI_4=0\r\nSI_5=0\r\n");
  EXPECT_FALSE(FileExists(dir.Path("SICONV.JNL")));
  EXPECT_FALSE(FileExists(dir.Path("KELDRAN.$$$")));
}

TEST(FolderJournalTest, ARecoveryFailureNamesItsFile) {
  TempDir dir;
  WriteFile(dir.Path("KELDRAN.$$$"), "left by a killed run");
  FaultInjectingFileSystem io;
  ScopedFileSystem scope(io);
  io.FailNth(1, io_code::kAccessDenied, FsCall::Remove);
  try {
    const FolderHold hold(dir.Path());
    ADD_FAILURE() << "accepted";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.PlaceFile(), dir.Path("KELDRAN.$$$"));
  }
}

}  // namespace
}  // namespace siconv
