// Windows-only cases of the file system: drive roots, backslashes, the
// read-only attribute, share modes, Japanese names and the folder lock.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/io_code.h"
#include "engine/win32/wide_text.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

FileSystem& Fs() {
  return PlatformFileSystem();
}

// Makes path hold bytes through the interface under test.
void Put(const std::string& path, const std::string& bytes) {
  FileHandle file;
  ASSERT_EQ(Fs().Open(path, OpenMode::Rewrite, file), 0) << path;
  ASSERT_EQ(Fs().Write(file, bytes.data(), bytes.size()), 0);
  ASSERT_EQ(Fs().Close(file), 0);
}

std::string Get(const std::string& path) {
  FileHandle file;
  if (Fs().Open(path, OpenMode::ReadExisting, file) != 0) return "<unreadable>";
  std::string bytes;
  char buffer[7];  // small, so that reading takes several calls
  std::size_t got = 0;
  while (Fs().Read(file, buffer, sizeof buffer, got) == 0 && got > 0) bytes.append(buffer, got);
  Fs().Close(file);
  return bytes;
}

std::wstring Wide(const std::string& path) {
  std::wstring wide;
  EXPECT_TRUE(Utf8ToWide(path, wide));
  return wide;
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<FolderEntry> entries;
  EXPECT_EQ(Fs().ListFolder(folder, entries), 0);
  std::vector<std::string> names;
  for (const FolderEntry& e : entries) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

class FileSystemWin32Test : public ::testing::Test {
 protected:
  std::string In(const std::string& name) const { return dir_.Path() + "\\" + name; }
  TempDir dir_;
};

TEST_F(FileSystemWin32Test, JapaneseNamesRoundTripThroughUtf16) {
  const std::string name = "試験データ（ＳＩ単位）.TXT";
  Put(In(name), "1.5,2\r\n");
  EXPECT_EQ(Get(In(name)), "1.5,2\r\n");
  EXPECT_EQ(Names(dir_.Path()), std::vector<std::string>{name});
  // The name on the disk is the UTF-16 of the UTF-8 text, not its bytes.
  EXPECT_NE(GetFileAttributesW(Wide(In(name)).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Fs().Rename(In(name), In("変換済.TXT")), 0);
  EXPECT_EQ(Names(dir_.Path()), std::vector<std::string>{"変換済.TXT"});
}

TEST_F(FileSystemWin32Test, BackslashesAndSlashesNameTheSameFile) {
  Put(dir_.Path() + "\\A.TXT", "x");
  EXPECT_EQ(Get(dir_.Path() + "/A.TXT"), "x");
  FileStatus back, forward;
  ASSERT_EQ(Fs().Status(dir_.Path() + "\\A.TXT", Links::Own, back), 0);
  ASSERT_EQ(Fs().Status(dir_.Path() + "/A.TXT", Links::Own, forward), 0);
  EXPECT_EQ(back.kind, FileKind::Regular);
  EXPECT_EQ(back.size, 1u);
  EXPECT_EQ(back.index, forward.index);
  EXPECT_EQ(back.volume, forward.volume);
}

TEST_F(FileSystemWin32Test, DriveRootIsAListableFolder) {
  FileStatus root;
  ASSERT_EQ(Fs().Status("C:\\", Links::Follow, root), 0);
  EXPECT_EQ(root.kind, FileKind::Folder);
  std::vector<std::string> names = Names("C:\\");
  auto windows = std::find_if(names.begin(), names.end(), [](const std::string& n) {
    return _stricmp(n.c_str(), "windows") == 0;
  });
  EXPECT_NE(windows, names.end());
}

// Wine keeps the read-only attribute as missing write permission, which does
// not stop a process run by root.
bool ReadOnlyIsEnforced(const std::string& path) {
  HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return true;
  CloseHandle(handle);
  return false;
}

TEST_F(FileSystemWin32Test, ReadOnlyAttributeRefusesChangesWithAccessDenied) {
  Put(In("RO.TXT"), "keep");
  Put(In("NEW.TXT"), "new");
  ASSERT_TRUE(SetFileAttributesW(Wide(In("RO.TXT")).c_str(), FILE_ATTRIBUTE_READONLY));
  FileStatus status;
  ASSERT_EQ(Fs().Status(In("RO.TXT"), Links::Own, status), 0);
  EXPECT_TRUE(status.readOnly);
  if (!ReadOnlyIsEnforced(In("RO.TXT"))) {
    GTEST_SKIP() << "this Windows (Wine run by root) lets the read-only attribute be overridden";
  }
  FileHandle file;
  EXPECT_EQ(Fs().Open(In("RO.TXT"), OpenMode::Rewrite, file), io_code::kAccessDenied);
  EXPECT_EQ(Fs().Remove(In("RO.TXT")), io_code::kAccessDenied);
  EXPECT_EQ(Fs().Replace(In("NEW.TXT"), In("RO.TXT")), io_code::kAccessDenied);
  EXPECT_EQ(Get(In("RO.TXT")), "keep");
  SetFileAttributesW(Wide(In("RO.TXT")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileSystemWin32Test, FileHeldOpenWithoutSharingGivesSharingViolation) {
  Put(In("HELD.TXT"), "data");
  Put(In("OTHER.TXT"), "other");
  HANDLE held = CreateFileW(Wide(In("HELD.TXT")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::vector<std::pair<const char*, std::function<int()>>> calls = {
      {"read",
       [&] {
         FileHandle f;
         return Fs().Open(In("HELD.TXT"), OpenMode::ReadExisting, f);
       }},
      {"rewrite",
       [&] {
         FileHandle f;
         return Fs().Open(In("HELD.TXT"), OpenMode::Rewrite, f);
       }},
      {"remove", [&] { return Fs().Remove(In("HELD.TXT")); }},
      {"replace", [&] { return Fs().Replace(In("OTHER.TXT"), In("HELD.TXT")); }},
  };
  for (const auto& [name, call] : calls) {
    EXPECT_EQ(call(), io_code::kSharingViolation) << name;
  }
  // Its status needs none of its data.
  FileStatus status;
  EXPECT_EQ(Fs().Status(In("HELD.TXT"), Links::Follow, status), 0);
  EXPECT_EQ(status.size, 4u);
  CloseHandle(held);
  EXPECT_EQ(Fs().Remove(In("HELD.TXT")), 0);
}

TEST_F(FileSystemWin32Test, CodesOfMissingAndExistingNames) {
  Put(In("A.TXT"), "a");
  Put(In("B.TXT"), "b");
  FileHandle file;
  EXPECT_EQ(Fs().Open(In("NONE.TXT"), OpenMode::ReadExisting, file), io_code::kFileNotFound);
  EXPECT_EQ(Fs().Open(In("NODIR\\A.TXT"), OpenMode::ReadExisting, file), io_code::kPathNotFound);
  EXPECT_EQ(Fs().Open(In("A.TXT"), OpenMode::CreateNew, file), io_code::kAlreadyExists);
  EXPECT_EQ(Fs().Rename(In("A.TXT"), In("B.TXT")), io_code::kAlreadyExists);
  EXPECT_EQ(Fs().Remove(In("NONE.TXT")), io_code::kFileNotFound);
  FileStatus status;
  EXPECT_EQ(Fs().Status(In("NODIR\\A.TXT"), Links::Own, status), 0);
  EXPECT_EQ(status.kind, FileKind::Missing);
  EXPECT_EQ(Fs().Replace(In("A.TXT"), In("B.TXT")), 0);
  EXPECT_EQ(Get(In("B.TXT")), "a");
  EXPECT_EQ(Names(dir_.Path()), std::vector<std::string>{"B.TXT"});
}

TEST_F(FileSystemWin32Test, CreateNewAndDiscard) {
  FileHandle file;
  ASSERT_EQ(Fs().Open(In("KELDRAN.$$$"), OpenMode::CreateNew, file), 0);
  FileStatus status;
  ASSERT_EQ(Fs().Status(file, status), 0);
  EXPECT_EQ(status.kind, FileKind::Regular);
  EXPECT_EQ(Fs().Write(file, "abc", 3), 0);
  EXPECT_EQ(Fs().Flush(file), 0);
  EXPECT_EQ(Fs().Close(file), 0);
  EXPECT_EQ(Get(In("KELDRAN.$$$")), "abc");

  ASSERT_EQ(Fs().Open("ignored", OpenMode::Discard, file), 0);
  EXPECT_EQ(Fs().Write(file, "abc", 3), 0);
  EXPECT_EQ(Fs().Flush(file), 0);
  EXPECT_EQ(Fs().Close(file), 0);
  EXPECT_EQ(Names(dir_.Path()), std::vector<std::string>{"KELDRAN.$$$"});
}

TEST_F(FileSystemWin32Test, FolderLockExcludesASecondLockButNotTheWork) {
  FileHandle lock, second;
  ASSERT_EQ(Fs().LockFolder(dir_.Path(), lock), 0);
  EXPECT_EQ(Fs().LockFolder(dir_.Path(), second), io_code::kLockViolation);
  Put(In("T.$$$"), "t");
  EXPECT_EQ(Fs().Replace(In("T.$$$"), In("G73.TXT")), 0);
  EXPECT_EQ(Fs().SyncFolder(dir_.Path()), 0);
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"G73.TXT", "SICONV.LCK"}));
  EXPECT_EQ(Fs().Remove(In("G73.TXT")), 0);
  EXPECT_EQ(Fs().Close(lock), 0);
  // A user may have made every file of the folder read-only, the mark too.
  ASSERT_TRUE(SetFileAttributesW(Wide(In("SICONV.LCK")).c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_EQ(Fs().LockFolder(dir_.Path(), lock), 0);
  EXPECT_EQ(Fs().LockFolder(dir_.Path(), second), io_code::kLockViolation);
  EXPECT_EQ(Fs().Close(lock), 0);
  SetFileAttributesW(Wide(In("SICONV.LCK")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileSystemWin32Test, ReplacementTakesOverHiddenAndSystemAttributes) {
  Put(In("G73.TXT"), "old");
  ASSERT_TRUE(SetFileAttributesW(Wide(In("G73.TXT")).c_str(),
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  FileStatus original;
  ASSERT_EQ(Fs().Status(In("G73.TXT"), Links::Follow, original), 0);
  FileHandle file;
  ASSERT_EQ(Fs().Open(In("KELDRAN.$$$"), OpenMode::CreateNew, file), 0);
  EXPECT_EQ(Fs().CopyAttributes(file, original), 0);
  EXPECT_EQ(Fs().Close(file), 0);
  ASSERT_EQ(Fs().Replace(In("KELDRAN.$$$"), In("G73.TXT")), 0);
  DWORD attributes = GetFileAttributesW(Wide(In("G73.TXT")).c_str());
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
}

TEST_F(FileSystemWin32Test, PathsBeyondTheClassicLimit) {
  std::string folder = dir_.Path();
  std::wstring wide;
  for (int i = 0; i < 6; ++i) {
    folder += "\\" + std::string(50, static_cast<char>('a' + i));
    ASSERT_TRUE(WidePath(folder, wide));
    ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr)) << GetLastError();
  }
  ASSERT_GT(folder.size(), 300u);
  Put(folder + "\\G73.TXT", "deep");
  EXPECT_EQ(Get(folder + "\\G73.TXT"), "deep");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"G73.TXT"});
}

}  // namespace
}  // namespace siconv
