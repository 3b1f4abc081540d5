// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/temporary_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <utility>

namespace klebony {
namespace {

// Enough names to get past any number of live saves and planted names.
constexpr int kNameAttempts = 100;

// A system call again while a signal interrupted it.
template <class Call>
auto retried(Call call) {
  for (;;) {
    const auto r = call();
    if (r >= 0 || errno != EINTR) return r;
  }
}

std::string hex(uint64_t v) {
  static const char* const digits = "0123456789abcdef";
  std::string s(16, '0');
  for (int i = 15; i >= 0; --i, v >>= 4) s[static_cast<std::size_t>(i)] = digits[v & 15];
  return s;
}

// FNV-1a: a stable key for a name, the same in every process.
uint64_t keyOf(const std::string& name) {
  uint64_t h = 0xcbf29ce484222325ULL;
  for (const char c : name) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  return h;
}

// From the kernel; never from the game's random source, whose draws the
// saved game and the driver's scripts must not see disturbed.
uint64_t unguessable() {
  uint64_t v = 0;
  if (::getrandom(&v, sizeof v, GRND_NONBLOCK) == sizeof v) return v;
  static uint64_t counter = 0;
  v = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<uint64_t>(::getpid()) << 32) ^ ++counter * 0x9e3779b97f4a7c15ULL;
  v ^= v >> 31;
  return v * 0xbf58476d1ce4e5b9ULL;
}

// The lock of a live save: on the open file description, so it belongs to
// the save's file, whichever process or namespace holds it.
bool lockForWriting(int fd) {
  struct flock lock = {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::string TemporaryFile::hiddenName(uid_t uid, const std::string& targetName) {
  return ".klebony-" + std::to_string(uid) + "-" + hex(keyOf(targetName)) + ".tmp";
}

TemporaryFile::TemporaryFile(FileOps& ops, int folder, const std::string& targetName)
    : ops_(ops), folder_(folder), primary_(hiddenName(::geteuid(), targetName)) {}

TemporaryFile::~TemporaryFile() {
  if (fd_ >= 0) ops_.close(fd_);
  // Still under the lock, so no other save has taken the name meanwhile.
  if (!name_.empty()) ops_.unlink(folder_, name_);
}

FileResult TemporaryFile::create(mode_t mode) {
  const int fd = retried([&] { return ops_.createUnnamed(folder_, mode); });
  if (fd >= 0) {
    unnamed_ = true;
    fd_ = fd;
    lockForWriting(fd_);
    lock_ = Fd(::fcntl(fd_, F_DUPFD_CLOEXEC, 0));
    if (!lock_.ok()) return FileResult::failed("creating the temporary file", errno);
    return {};
  }
  // This file system has no files without a name: a hidden one.
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
    return FileResult::failed("creating the temporary file", errno);
  return claimHiddenName(true, mode);
}

bool TemporaryFile::nameAsTarget(const std::string& targetName) {
  if (retried([&] { return ops_.link(fd_, folder_, targetName); }) != 0) return false;
  name_ = targetName;
  return true;
}

FileResult TemporaryFile::nameHidden() { return claimHiddenName(false, 0); }

FileResult TemporaryFile::claimHiddenName(bool create, mode_t mode) {
  const char* step = create ? "creating the temporary file" : "naming the file";
  std::string name = primary_;
  bool lookedAtPrimary = false;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    if (claim(name, create, mode)) return {};
    if (errno != EEXIST) return FileResult::failed(step, errno);
    if (name == primary_ && !lookedAtPrimary) {
      lookedAtPrimary = true;
      if (removeIfDebris(name)) continue;
    }
    name = primary_.substr(0, primary_.size() - 4) + "-" + hex(unguessable()) + ".tmp";
  }
  return FileResult::failed(step, EEXIST);
}

bool TemporaryFile::stillNamed(int fd, const std::string& name) const {
  struct stat mine = {};
  struct stat named = {};
  return ::fstat(fd, &mine) == 0 && ::fstatat(folder_, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         sameFile(mine, named);
}

bool TemporaryFile::claim(const std::string& name, bool create, mode_t mode) {
  if (!create) {
    if (retried([&] { return ops_.link(fd_, folder_, name); }) != 0) return false;
    name_ = name;
    return true;
  }
  const int fd = retried([&] { return ops_.createExclusive(folder_, name, mode); });
  if (fd < 0) return false;
  fd_ = fd;
  // Locked already: another save is looking at the new file as possible
  // debris. Give it up and take another name.
  if (!lockForWriting(fd_) && (errno == EAGAIN || errno == EACCES)) {
    if (stillNamed(fd_, name)) ops_.unlink(folder_, name);
    ops_.close(std::exchange(fd_, -1));
    errno = EEXIST;
    return false;
  }
  lock_ = Fd(::fcntl(fd_, F_DUPFD_CLOEXEC, 0));
  if (!lock_.ok()) {
    const int error = errno;
    ops_.unlink(folder_, name);
    ops_.close(std::exchange(fd_, -1));
    errno = error;
    return false;
  }
  // Between its creation and the lock another save may have taken the new
  // file for debris and removed it: then that name is no longer ours.
  if (!stillNamed(fd_, name)) {
    ops_.close(std::exchange(fd_, -1));
    lock_ = Fd();
    errno = EEXIST;
    return false;
  }
  name_ = name;
  return true;
}

// What a crash left under the hidden name: a regular file of the saving
// user, with that one name, that no live save holds locked.
bool TemporaryFile::removeIfDebris(const std::string& name) {
  struct stat st = {};
  if (::fstatat(folder_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
  if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1) return false;
  const Fd f(::openat(folder_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat opened = {};
  if (!f.ok() || ::fstat(f.get(), &opened) != 0 || !sameFile(st, opened)) return false;
  struct flock probe = {};
  probe.l_type = F_RDLCK;
  probe.l_whence = SEEK_SET;
  if (::fcntl(f.get(), F_OFD_SETLK, &probe) != 0) return false;  // a live save, or no locks here
  return ops_.unlink(folder_, name) == 0;
}

FileResult TemporaryFile::closeWritten() {
  if (ops_.close(std::exchange(fd_, -1)) != 0) return FileResult::failed("closing", errno);
  return {};
}

FileResult TemporaryFile::replace(const std::string& targetName) {
  if (name_ != targetName && retried([&] { return ops_.rename(folder_, name_, targetName); }) != 0)
    return FileResult::failed("replacing the file", errno);
  finished();
  return {};
}

void TemporaryFile::finished() {
  if (fd_ >= 0) ops_.close(std::exchange(fd_, -1));
  name_.clear();
  lock_ = Fd();
}

}  // namespace klebony
