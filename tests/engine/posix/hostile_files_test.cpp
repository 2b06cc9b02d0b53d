// Survey folders holding files that are not what they seem: links, pipes,
// devices, foreign permissions, lost CR LF line ends, names that clash when
// letter case is ignored. Each ends in a clear error or the right result, and
// no byte of survey data is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "engine/exceptions.h"
#include "engine/file_conversion.h"
#include "engine/line_converter.h"
#include "tests/support/conversion_rig.h"
#include "tests/support/direct_install.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

using namespace std::string_literals;

const std::string kRecord = "1,1,1.5,1\r\n2,1,2,1\r\n";
const std::string kRecordSi = "  1,   1.00,        147.1,  1\r\n  2,   1.00,      196.133,  1\r\n";
const std::string kG73Header = "0 2.5 25\r\n給圧\r\n";
const std::string kHeaderSi = " 0            250           2500\r\n給圧\r\n";

// A G73 folder in old units; a test changes it before converting quantity 0.
class HostileFolder : public ConversionRig {
 public:
  HostileFolder() {
    WriteFile(dir.Path("G73.TXT"), kRecord);
    WriteFile(dir.Path("G73.HED"), kG73Header);
    ::alarm(20);  // a file that makes the conversion wait fails the test instead
  }
  ~HostileFolder() { ::alarm(0); }

  std::string Path(const std::string& name) const { return dir.Path(name); }
  std::string Get(const std::string& name) const { return ReadFile(dir.Path(name)); }
  void MakeLink(const std::string& target, const std::string& name) const {
    ASSERT_EQ(::symlink(target.c_str(), Path(name).c_str()), 0);
  }
  void MakeFifo(const std::string& name) const {
    ::unlink(Path(name).c_str());
    ASSERT_EQ(::mkfifo(Path(name).c_str(), 0644), 0);
  }
  // The message of the exception that converting raised; empty when none.
  std::string ConvertError() {
    try {
      ConvertDirectly(ctx, kToSi, 0);
    } catch (const Exception& e) {
      return e.Message();
    }
    return {};
  }
  bool IsRegular(const std::string& name) const {
    struct stat st;
    return ::lstat(Path(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
  }
  void ExpectConverted() {
    EXPECT_EQ(Get("G73.TXT"), kRecordSi);
    EXPECT_EQ(Get("G73.HED"), kHeaderSi);
    EXPECT_TRUE(IsRegular("G73.TXT"));
    EXPECT_TRUE(IsRegular("G73.HED"));
    EXPECT_EQ(unitType[0], 1);
  }
  // The two files' bytes, empty for one that is not a regular file.
  std::pair<std::string, std::string> Files() const {
    auto bytes = [this](const char* name) { return IsRegular(name) ? Get(name) : ""; };
    return {bytes("G73.TXT"), bytes("G73.HED")};
  }
  void ExpectNothingChanged(const std::pair<std::string, std::string>& before) {
    EXPECT_TRUE(Files() == before);
    EXPECT_FALSE(FileExists(Path(kTemporaryFileName)));
    EXPECT_EQ(unitType[0], 0);
  }
};

struct Case {
  const char* what;
  std::function<void(HostileFolder&)> arrange;
  // The message expected, built from the folder; empty: the conversion succeeds.
  std::function<std::string(const HostileFolder&)> error;
};

void RunCases(const std::vector<Case>& cases, bool dryRun = false) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HostileFolder folder;
    folder.ctx.dryRun = dryRun;
    c.arrange(folder);
    if (::testing::Test::HasFatalFailure()) return;
    const auto before = folder.Files();
    const std::string expected = c.error ? c.error(folder) : "";
    EXPECT_EQ(folder.ConvertError(), expected);
    if (expected.empty() && !dryRun) {
      folder.ExpectConverted();
    } else {
      folder.ExpectNothingChanged(before);
    }
  }
}

std::string NotRegular(const HostileFolder& f, const char* name) {
  return f.Path(name) + " は通常のファイルではありません";
}

// A temporary file name taken by a link: the link itself is replaced, and
// nothing is written where it points.
TEST(HostileFilesTest, LinksInPlaceOfTheTemporaryFileAreNeverFollowed) {
  TempDir outside;
  const std::string victim = outside.Path("victim");
  WriteFile(victim, "keep me\r\n");
  RunCases({
      {"link to a file outside",
       [&](HostileFolder& f) { f.MakeLink(victim, kTemporaryFileName); },
       {}},
      {"dangling link",
       [&](HostileFolder& f) { f.MakeLink(outside.Path("new"), kTemporaryFileName); },
       {}},
      {"link to the record file",
       [](HostileFolder& f) { f.MakeLink("G73.TXT", kTemporaryFileName); },
       {}},
  });
  EXPECT_EQ(ReadFile(victim), "keep me\r\n");
  EXPECT_FALSE(FileExists(outside.Path("new")));
}

TEST(HostileFilesTest, PipesDevicesAndFoldersAreRefusedByName) {
  RunCases({
      {"record FIFO", [](HostileFolder& f) { f.MakeFifo("G73.TXT"); },
       [](const HostileFolder& f) { return NotRegular(f, "G73.TXT"); }},
      {"header FIFO", [](HostileFolder& f) { f.MakeFifo("G73.HED"); },
       [](const HostileFolder& f) { return NotRegular(f, "G73.HED"); }},
      {"header linked to a device",
       [](HostileFolder& f) {
         ::unlink(f.Path("G73.HED").c_str());
         f.MakeLink("/dev/zero", "G73.HED");
       },
       [](const HostileFolder& f) { return NotRegular(f, "G73.HED"); }},
      {"temporary file a FIFO", [](HostileFolder& f) { f.MakeFifo(kTemporaryFileName); }, {}},
  });
}

constexpr uid_t kNobody = 65534;

struct Attributes {
  mode_t mode;
  uid_t owner;
  gid_t group;
};

Attributes AttributesOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return {st.st_mode & 07777, st.st_uid, st.st_gid};
}

// Run as root here: ownership can be given away, and checking modes and
// owners afterwards proves what a refusal could not.
TEST(HostileFilesTest, ReplacementsKeepPermissionsAndOwner) {
  const bool root = ::geteuid() == 0;
  struct Kept {
    mode_t record;
    mode_t header;
    bool givenAway;
  };
  for (const Kept& k : {Kept{0600, 0640, false}, Kept{0604, 0660, true}, Kept{0644, 0600, true}}) {
    if (k.givenAway && !root) continue;
    SCOPED_TRACE(std::to_string(k.record) + " " + std::to_string(k.header));
    HostileFolder f;
    ASSERT_EQ(::chmod(f.Path("G73.TXT").c_str(), k.record), 0);
    ASSERT_EQ(::chmod(f.Path("G73.HED").c_str(), k.header), 0);
    if (k.givenAway) {
      ASSERT_EQ(::chown(f.Path("G73.TXT").c_str(), kNobody, kNobody), 0);
    }
    const Attributes record = AttributesOf(f.Path("G73.TXT"));
    const Attributes header = AttributesOf(f.Path("G73.HED"));
    EXPECT_EQ(f.ConvertError(), "");
    f.ExpectConverted();
    for (auto [name, before] : {std::pair{"G73.TXT", record}, std::pair{"G73.HED", header}}) {
      const Attributes after = AttributesOf(f.Path(name));
      EXPECT_EQ(after.mode, before.mode) << name;
      EXPECT_EQ(after.owner, before.owner) << name;
      EXPECT_EQ(after.group, before.group) << name;
    }
  }
}

// A file nobody may write counts as read-only for root too; both files are
// known to be replaceable before either is replaced.
TEST(HostileFilesTest, ReadOnlyFilesStopTheQuantityBeforeAnythingChanges) {
  auto readOnly = [](const char* name) {
    return Case{name, [name](HostileFolder& f) { ::chmod(f.Path(name).c_str(), 0444); },
                [name](const HostileFolder& f) { return f.Path(name) + " に書き込めません"; }};
  };
  RunCases({readOnly("G73.TXT"), readOnly("G73.HED")});
  RunCases({readOnly("G73.HED")}, true);
}

Case BadLines(const char* what, const char* name, std::string bytes, std::string message) {
  return Case{what, [=](HostileFolder& f) { WriteFile(f.Path(name), bytes); },
              [=](const HostileFolder& f) { return f.Path(name) + message; }};
}

TEST(HostileFilesTest, LinesThatLostTheirCrLfAreRefusedWithFileAndLine) {
  std::string lfOnly;
  for (int i = 1; i <= 1000; ++i) lfOnly += std::to_string(i) + ",1,1.5,1\n";
  const std::vector<Case> cases = {
      BadLines("LF-only record file", "G73.TXT", lfOnly, " の改行が CR LF ではありません (1 行)"),
      BadLines("one LF in line 2", "G73.TXT", "1,1,1.5,1\r\n2,1\n,2,1\r\n",
               " の改行が CR LF ではありません (2 行)"),
      BadLines("NUL in a field", "G73.TXT", "1,1,1.5,1\r\n2,1,2\0003,1\r\n"s,
               " に NUL 文字があります (2 行)"),
      BadLines("LF-only header", "G73.HED", "0 2.5 25\n給圧\n",
               " の改行が CR LF ではありません (1 行)"),
      BadLines("LF in a copied header line", "G73.HED", "0 2.5 25\r\n給\n圧\r\n",
               " の改行が CR LF ではありません (2 行)"),
  };
  RunCases(cases);
  RunCases(cases, true);
}

Case Clash(const char* what, std::function<void(HostileFolder&)> arrange, const char* first,
           const char* second) {
  return Case{what, std::move(arrange), [=](const HostileFolder& f) {
                return f.Path(first) + " と " + f.Path(second) +
                       " は大文字と小文字だけが違う名前です";
              }};
}

TEST(HostileFilesTest, NamesThatClashIgnoringCaseStopTheQuantity) {
  RunCases({
      Clash(
          "two record files", [](HostileFolder& f) { WriteFile(f.Path("g73.txt"), kRecord); },
          "G73.TXT", "g73.txt"),
      Clash(
          "two header files", [](HostileFolder& f) { WriteFile(f.Path("g73.Hed"), kG73Header); },
          "G73.HED", "g73.Hed"),
      Clash(
          "a folder beside the record file",
          [](HostileFolder& f) {
            ::rename(f.Path("G73.TXT").c_str(), f.Path("g73.txt").c_str());
            ::mkdir(f.Path("G73.TXT").c_str(), 0755);
          },
          "G73.TXT", "g73.txt"),
      Clash(
          "a dangling link beside the record file",
          [](HostileFolder& f) {
            ::rename(f.Path("G73.TXT").c_str(), f.Path("g73.txt").c_str());
            f.MakeLink("gone", "G73.txt");
          },
          "G73.txt", "g73.txt"),
  });
}

}  // namespace
}  // namespace siconv
