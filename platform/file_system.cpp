#include "platform/file_system.h"

namespace zaltor {

bool FileSystem::ReadsInParallel() const { return false; }

bool FileSystem::ReadsWaitForDevice() const { return false; }

void FileSystem::ReadDirectoryAhead(const char*) {}

void FileSystem::DropDirectoriesAhead() {}

std::shared_ptr<const ListedDirectory> FileSystem::ListAhead(const char*, const char*) { return nullptr; }

}  // namespace zaltor
