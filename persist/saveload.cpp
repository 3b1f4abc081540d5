// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/saveload.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "persist/fd.h"
#include "persist/save_target.h"
#include "persist/savefile.h"
#include "persist/temporary_file.h"

namespace klebony {
namespace {

bool writeAll(FileOps& ops, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ops.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;  // a disk that takes nothing more
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

int fsyncRetried(FileOps& ops, int fd) {
  for (;;) {
    const int r = ops.fsync(fd);
    if (r == 0 || errno != EINTR) return r;
  }
}

// Best effort: makes the rename itself durable. The new file is complete by
// now, so a failure here does not make the save a failure.
void syncFolder(int folder) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Under a file-size limit (ulimit -f) the kernel would kill the game in the
// middle of a save. Ignored, the write fails with EFBIG instead, and the save
// fails like on a full disk.
void ignoreFileSizeSignal() {
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
}

// The bytes the file will hold, or why there are none: a state the loader
// would refuse is not saved, since a file that cannot be loaded again is no
// save at all; nor is a path the loader could not open.
FileResult checkWhatIsSaved(const World& world, const std::string& path, std::optional<std::string>& bytes) {
  if (path.find('\0') != std::string::npos)
    return FileResult::refused("checking the file", "not a file name");
  if (path.size() >= PATH_MAX) return FileResult::failed("checking the file", ENAMETOOLONG);
  bytes = encodeSave(world);
  if (!bytes) return FileResult::refused("encoding the game", "a name the file cannot hold");
  if (!decodeSave(*bytes)) return FileResult::refused("encoding the game", "a state no game can load");
  return {};
}

// The replaced file's owner and group where this process may set them (root
// may set both, an owner may still set a group of its own; otherwise the
// file becomes the saving user's, as any new file would), then its
// permissions: after the owner, since a change of owner clears set-id bits.
FileResult keepOwnerAndMode(FileOps& ops, int fd, const struct stat& old) {
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    if (ops.fchown(fd, old.st_uid, old.st_gid) != 0) ops.fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  if (::fchmod(fd, old.st_mode & 07777) != 0) return FileResult::failed("keeping the permissions", errno);
  return {};
}

// Another save made the file while this one was written: it is replaced
// like any old file, if it may be; the last save wins.
FileResult adoptNewcomer(FileOps& ops, SaveTarget& t, TemporaryFile& file) {
  if (const FileResult seen = restatSaveTarget(t); !seen) return seen;
  if (!t.exists) return FileResult::failed("naming the file", EEXIST);
  if (const FileResult ok = checkReplaceable(t); !ok) return ok;
  return keepOwnerAndMode(ops, file.fd(), t.st);
}

// The written file takes the target's place. A new file gets its name
// directly; an old one is replaced by a rename, for which the new file needs
// a hidden name of its own for a moment.
FileResult putInPlace(FileOps& ops, SaveTarget& t, TemporaryFile& file) {
  if (file.unnamed() && !t.exists) {
    if (file.nameAsTarget(t.name)) {
      if (const FileResult closed = file.closeWritten(); !closed) return closed;
      file.finished();
      return {};
    }
    if (errno != EEXIST) return FileResult::failed("naming the file", errno);
    if (const FileResult adopted = adoptNewcomer(ops, t, file); !adopted) return adopted;
  }
  if (file.unnamed()) {
    if (const FileResult named = file.nameHidden(); !named) return named;
  }
  if (const FileResult closed = file.closeWritten(); !closed) return closed;
  return file.replace(t.name);
}

}  // namespace

FileResult saveGame(const World& world, const std::string& path, FileOps& ops) {
  std::optional<std::string> bytes;
  if (const FileResult ok = checkWhatIsSaved(world, path, bytes); !ok) return ok;
  ignoreFileSizeSignal();

  SaveTarget t;
  if (const FileResult found = findSaveTarget(path, t); !found) return found;
  if (t.exists) {
    if (const FileResult ok = checkReplaceable(t); !ok) return ok;
  }
  // While it is written the new file is the player's alone; it gets the old
  // file's permissions once its owner is settled.
  TemporaryFile file(ops, t.folder.get(), t.name);
  if (const FileResult created = file.create(t.exists ? 0600 : 0666); !created) return created;
  if (!writeAll(ops, file.fd(), *bytes)) return FileResult::failed("writing", errno);
  if (t.exists) {
    if (const FileResult kept = keepOwnerAndMode(ops, file.fd(), t.st); !kept) return kept;
  }
  if (fsyncRetried(ops, file.fd()) != 0) return FileResult::failed("writing to disk", errno);
  if (const FileResult placed = putInPlace(ops, t, file); !placed) return placed;
  syncFolder(t.folder.get());
  return {};
}

ReadResult readSaveFile(const std::string& path) {
  ReadResult r;
  if (path.empty() || path.find('\0') != std::string::npos) {
    r.result = FileResult::refused("opening", "not a file name");
    return r;
  }
  // Non-blocking, so that a named pipe cannot stall the game before the check below.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.ok()) {
    r.result = FileResult::failed("opening", errno);
    return r;
  }
  struct stat st = {};
  if (::fstat(fd.get(), &st) != 0) {
    r.result = FileResult::failed("reading", errno);
    return r;
  }
  if (!S_ISREG(st.st_mode)) {
    r.result = FileResult::refused("reading", "not a regular file");
    return r;
  }
  r.bytes.assign(kMaxSaveBytes + 1, '\0');
  std::size_t got = 0;
  while (got < r.bytes.size()) {
    const ssize_t n = ::read(fd.get(), r.bytes.data() + got, r.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      r.result = FileResult::failed("reading", errno);
      r.bytes.clear();
      return r;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  // A file longer than any save is refused without reading it all.
  if (got > kMaxSaveBytes) {
    r.result = FileResult::refused("checking the contents", "longer than any saved game");
    r.bytes.clear();
    return r;
  }
  r.bytes.resize(got);
  return r;
}

FileResult loadGame(Game& game, const std::string& path) {
  const ReadResult read = readSaveFile(path);
  if (!read.result) return read.result;
  if (!loadGameFromBytes(game.world, game.random, read.bytes))
    return FileResult::refused("checking the contents", "not a saved game");
  return {};
}

std::string failureLine(const char* action, const std::string& path, const FileResult& result) {
  // One line whatever the path holds: control bytes are shown escaped.
  std::string shown;
  for (const char c : path) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", u);
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return std::string("klebony: ") + action + " " + shown + " failed: " + result.describe();
}

}  // namespace klebony
