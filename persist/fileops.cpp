#include "fileops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace klebony {

int FileOps::createExclusive(const std::string& path, mode_t mode) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}
ssize_t FileOps::write(int fd, const char* data, size_t size) { return ::write(fd, data, size); }
int FileOps::fsync(int fd) { return ::fsync(fd); }
int FileOps::close(int fd) { return ::close(fd); }
int FileOps::rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str());
}
int FileOps::unlink(const std::string& path) { return ::unlink(path.c_str()); }

FileOps& systemFileOps() {
  static FileOps ops;
  return ops;
}

}  // namespace klebony
