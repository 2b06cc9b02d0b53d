#include "engine/file_system.h"

namespace siconv {
namespace {

FileSystem* installed = nullptr;

}  // namespace

FileSystem& CurrentFileSystem() {
  return installed ? *installed : PlatformFileSystem();
}

ScopedFileSystem::ScopedFileSystem(FileSystem& fileSystem) : previous_(installed) {
  installed = &fileSystem;
}

ScopedFileSystem::~ScopedFileSystem() {
  installed = previous_;
}

}  // namespace siconv
