#include "state/unit_type_file.h"

#include <optional>
#include <utility>
#include <vector>

#include "engine/data_file_checks.h"
#include "engine/data_file_name.h"
#include "engine/file_system.h"
#include "engine/format_text.h"
#include "engine/io_code.h"
#include "engine/path_join.h"
#include "state/ini_text.h"
#include "state/integer_text.h"

namespace siconv {
namespace {

constexpr const char* kSection = "UNITTYPE";

std::string KeyName(std::size_t k) {
  return "SI_" + std::to_string(k);
}

struct FileContent {
  std::string bytes;
  int code = 0;  // IoCode of the failed call, 0 when read whole
};

bool IsMissing(int code) {
  return code == io_code::kFileNotFound || code == io_code::kPathNotFound;
}

// Closes the handle however the block it guards is left.
struct HandleCloser {
  FileHandle handle;
  int code = 0;
  void Close() {
    if (handle.IsOpen()) code = CurrentFileSystem().Close(std::exchange(handle, FileHandle{}));
  }
  ~HandleCloser() { Close(); }
};

// Only a regular file of sane size is read: a pipe or a device could make
// the read wait or never end.
FileContent ReadWholeFile(const std::string& path) {
  FileSystem& fs = CurrentFileSystem();
  FileContent file;
  HandleCloser closer;
  if ((file.code = fs.Open(path, OpenMode::ReadExisting, closer.handle)) != 0) return file;
  RequireRegularFile(closer.handle, path);
  char buffer[4096];
  std::size_t got = 0;
  while ((file.code = fs.Read(closer.handle, buffer, sizeof buffer, got)) == 0 && got > 0) {
    file.bytes.append(buffer, got);
    if (file.bytes.size() > kUnitTypeFileMaxBytes) {
      throw Exception(FormatText("%s が大きすぎます", {path}));
    }
  }
  closer.Close();
  if (file.code == 0) file.code = closer.code;
  return file;
}

std::vector<IniSetting> Settings(const UnitTypes& unitType) {
  std::vector<IniSetting> settings;
  for (std::size_t k = 0; k < unitType.size(); ++k) {
    settings.push_back({KeyName(k), std::to_string(unitType[k])});
  }
  return settings;
}

// content goes to a temporary file of the folder, made durable, then renamed
// over path, so that path always holds either its old or its new content.
// The new file takes the old one's permissions and owner when there was one.
bool ReplaceFile(const std::string& folder, const std::string& path, const std::string& content,
                 const std::optional<FileStatus>& old) {
  FileSystem& fs = CurrentFileSystem();
  const std::string temporary = AddBackslash(folder) + kTemporaryUnitTypeFileName;
  // A stale temporary file goes by its name, a link never followed.
  const int removed = fs.Remove(temporary);
  if (removed != 0 && !IsMissing(removed)) return false;
  FileHandle handle;
  if (fs.Open(temporary, OpenMode::CreateNew, handle) != 0) return false;
  const bool written = fs.Write(handle, content.data(), content.size()) == 0 &&
                       (!old || fs.CopyAttributes(handle, *old) == 0) && fs.Flush(handle) == 0;
  const bool closed = fs.Close(handle) == 0;
  if (!written || !closed || fs.Replace(temporary, path) != 0) {
    fs.Remove(temporary);
    return false;
  }
  return fs.SyncFolder(folder) == 0;
}

// The file's path, or nothing when the folder cannot be looked at or the
// name is not unique.
std::optional<std::string> LookUpUnitTypeFile(const std::string& dataFolder) {
  try {
    return UnitTypeFilePath(dataFolder);
  } catch (const Exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::string UnitTypeFilePath(const std::string& dataFolder) {
  return ResolveDataFile(dataFolder, kUnitTypeFileName);
}

UnitTypes ReadUnitTypeFile(const std::string& dataFolder) {
  UnitTypes unitType{};
  const std::string path = UnitTypeFilePath(dataFolder);
  FileContent file = ReadWholeFile(path);
  if (IsMissing(file.code)) return unitType;
  // Guessing "old units" for a file that is there but cannot be read would
  // let the next command scale SI data a second time.
  CheckIoAt(file.code, path);
  for (std::size_t k = 0; k < unitType.size(); ++k) {
    unitType[k] = ParseIntegerText(IniValue(file.bytes, kSection, KeyName(k))).value_or(0);
  }
  return unitType;
}

void WriteUnitTypeFile(const std::string& dataFolder, const UnitTypes& unitType) {
  const std::optional<std::string> found = LookUpUnitTypeFile(dataFolder);
  if (!found) throw UnitTypeFileWriteError(dataFolder);
  const std::string& path = *found;
  FileStatus status;
  if (CurrentFileSystem().Status(path, Links::Follow, status) != 0 || status.readOnly) {
    throw UnitTypeFileWriteError(dataFolder);
  }
  const bool exists = status.kind != FileKind::Missing;
  FileContent old;
  try {
    old = ReadWholeFile(path);
  } catch (const Exception&) {
    old.code = io_code::kOther;
  }
  if (old.code != 0 && !IsMissing(old.code)) throw UnitTypeFileWriteError(dataFolder);
  std::string content = SetIniValues(old.bytes, kSection, Settings(unitType));
  if (!ReplaceFile(dataFolder, path, content, exists ? std::optional(status) : std::nullopt)) {
    throw UnitTypeFileWriteError(dataFolder);
  }
}

bool CanWriteUnitTypeFile(const std::string& dataFolder) {
  const std::optional<std::string> path = LookUpUnitTypeFile(dataFolder);
  FileStatus file;
  if (!path || CurrentFileSystem().Status(*path, Links::Follow, file) != 0 ||
      (file.kind != FileKind::Missing && (file.kind != FileKind::Regular || file.readOnly))) {
    return false;
  }
  // Creating the temporary file and renaming it need a writable folder.
  FileStatus folder;
  return CurrentFileSystem().Status(dataFolder.empty() ? "." : dataFolder, Links::Follow, folder) ==
             0 &&
         folder.kind == FileKind::Folder && !folder.readOnly;
}

Exception UnitTypeFileWriteError(const std::string& dataFolder) {
  // Looking the name up again may fail for the reason the write did.
  const std::string path =
      LookUpUnitTypeFile(dataFolder).value_or(AddBackslash(dataFolder) + kUnitTypeFileName);
  return Exception(FormatText("%s に書き込めません", {path}));
}

}  // namespace siconv
