#include "state/unit_type_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "engine/file_access.h"
#include "engine/io_code.h"
#include "engine/number_text.h"
#include "engine/platform_io.h"
#include "engine/text_fields.h"
#include "state/ini_text.h"
#include "state/integer_text.h"

namespace siconv {
namespace {

constexpr const char* kSection = "UNITTYPE";
constexpr const char* kTemporaryUnitTypeFileName = "SICONV.$$$";

std::string KeyName(std::size_t k) {
  return "SI_" + std::to_string(k);
}

struct FileContent {
  std::string bytes;
  int error = 0;  // errno of the failed call, 0 when read whole
};

FileContent ReadWholeFile(const std::string& path) {
  PlatformIo& io = CurrentIo();
  FileContent file;
  int fd = io.Open(path, O_RDONLY, 0);
  if (fd < 0) return {{}, errno};
  char buffer[4096];
  ssize_t n;
  while ((n = io.Read(fd, buffer, sizeof buffer)) > 0) file.bytes.append(buffer, n);
  if (n < 0) file.error = errno;
  if (io.Close(fd) != 0 && file.error == 0) file.error = errno;
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
bool ReplaceFile(const std::string& folder, const std::string& path, const std::string& content,
                 mode_t mode) {
  PlatformIo& io = CurrentIo();
  std::string temporary = AddBackslash(folder) + kTemporaryUnitTypeFileName;
  int fd = io.Open(temporary, O_WRONLY | O_CREAT | O_TRUNC, mode);
  if (fd < 0) return false;
  bool written =
      io.Write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size()) &&
      io.Fsync(fd) == 0;
  bool closed = io.Close(fd) == 0;
  if (!written || !closed || io.Rename(temporary, path, true) != 0) {
    io.Unlink(temporary);
    return false;
  }
  return SyncFolder(folder) == 0;
}

}  // namespace

std::string UnitTypeFilePath(const std::string& dataFolder) {
  return ResolveDataFile(dataFolder, kUnitTypeFileName);
}

UnitTypes ReadUnitTypeFile(const std::string& dataFolder) {
  UnitTypes unitType{};
  const std::string path = UnitTypeFilePath(dataFolder);
  FileContent file = ReadWholeFile(path);
  if (file.error == ENOENT) return unitType;
  // Guessing "old units" for a file that is there but cannot be read would
  // let the next command scale SI data a second time.
  if (file.error != 0) {
    EInOutError error = MakeIoError(IoCodeFromErrno(file.error, path));
    error.SetPlace(path, 0);
    throw error;
  }
  for (std::size_t k = 0; k < unitType.size(); ++k) {
    unitType[k] = ParseIntegerText(IniValue(file.bytes, kSection, KeyName(k))).value_or(0);
  }
  return unitType;
}

void WriteUnitTypeFile(const std::string& dataFolder, const UnitTypes& unitType) {
  std::string path = UnitTypeFilePath(dataFolder);
  struct stat status;
  bool exists = ::stat(path.c_str(), &status) == 0;
  if (exists && IsReadOnlyFile(path)) throw UnitTypeFileWriteError(dataFolder);
  FileContent old = ReadWholeFile(path);
  if (old.error != 0 && old.error != ENOENT) throw UnitTypeFileWriteError(dataFolder);
  std::string content = SetIniValues(old.bytes, kSection, Settings(unitType));
  mode_t mode = exists ? status.st_mode & 07777 : 0666;
  if (!ReplaceFile(dataFolder, path, content, mode)) throw UnitTypeFileWriteError(dataFolder);
}

bool CanWriteUnitTypeFile(const std::string& dataFolder) {
  std::string path = UnitTypeFilePath(dataFolder);
  if (IsReadOnlyFile(path)) return false;
  // Creating the temporary file and renaming it need a writable folder;
  // access() also reports a read-only mount (EROFS).
  std::string folder = dataFolder.empty() ? "." : dataFolder;
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

Exception UnitTypeFileWriteError(const std::string& dataFolder) {
  return Exception(FormatText("%s に書き込めません", {UnitTypeFilePath(dataFolder)}));
}

}  // namespace siconv
