// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/fileops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace klebony {

int FileOps::createUnnamed(int folder, mode_t mode) {
  return ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}
int FileOps::createExclusive(int folder, const std::string& name, mode_t mode) {
  return ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}
ssize_t FileOps::write(int fd, const char* data, size_t size) { return ::write(fd, data, size); }
int FileOps::fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
int FileOps::fsync(int fd) { return ::fsync(fd); }
int FileOps::close(int fd) { return ::close(fd); }
int FileOps::link(int fd, int folder, const std::string& name) {
  // Through /proc needs no privilege; the empty path needs CAP_DAC_READ_SEARCH
  // on older kernels, but works where /proc is not mounted.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return -1;
  return ::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH);
}
int FileOps::rename(int folder, const std::string& from, const std::string& to) {
  return ::renameat(folder, from.c_str(), folder, to.c_str());
}
int FileOps::unlink(int folder, const std::string& name) { return ::unlinkat(folder, name.c_str(), 0); }

FileOps& systemFileOps() {
  static FileOps ops;
  return ops;
}

}  // namespace klebony
