#include "persist/saveload.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <deque>
#include <system_error>
#include <utility>

#include "persist/savefile.h"

namespace klebony {
namespace {

// Closes the descriptor it holds when it goes.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }

 private:
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  int fd_;
};

// Where the bytes go: a name in an open folder. Every folder on the way was
// opened without following a link, so nothing can move the save elsewhere
// once the path has been checked.
struct Target {
  Fd folder;
  std::string name;
  bool exists = false;
  struct stat st {};
};

std::deque<std::string> namesOf(const std::string& path) {
  std::deque<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    if (slash > start) names.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return names;
}

Fd openFolder(int at, const char* name) {
  return Fd(::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// A save follows a symbolic link only where the kernel's protection of shared
// folders (fs.protected_symlinks=1) would, whatever this machine's setting:
// in a sticky folder that everyone may write to, such as /tmp, only links of
// the saving user or of the folder's owner. Otherwise another user could
// plant a link there and have a save replace the player's own files (or,
// saving as root, the system's).
bool mayFollow(int folder, const struct stat& link) {
  struct stat dir {};
  if (::fstat(folder, &dir) != 0) return false;
  const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
  return !shared || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
}

bool readLink(int folder, const std::string& name, std::string& to) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
    if (n < 0) return false;
    if (static_cast<std::size_t>(n) < buffer.size()) {
      to.assign(buffer.data(), static_cast<std::size_t>(n));
      return true;
    }
    buffer.resize(buffer.size() * 2);
  }
}

// Walks the path one name at a time, as the kernel would, but applies the
// rule above to every link on the way. A link at the end is followed to its
// file, so the link itself survives the save.
FileResult findTarget(const std::string& path, Target& t) {
  if (path.empty() || path.back() == '/') return FileResult::refused("checking the file", "not a file name");
  std::deque<std::string> names = namesOf(path);
  t.folder = openFolder(AT_FDCWD, path.front() == '/' ? "/" : ".");
  if (!t.folder.ok()) return FileResult::failed("finding the folder", errno);
  int links = 0;
  while (!names.empty()) {
    std::string name = std::move(names.front());
    names.pop_front();
    const bool last = names.empty();
    struct stat st {};
    if (::fstatat(t.folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (last && errno == ENOENT) {
        t.name = std::move(name);
        return {};
      }
      return FileResult::failed(last ? "checking the file" : "finding the folder", errno);
    }
    if (S_ISLNK(st.st_mode)) {
      if (++links > 40) return FileResult::failed("following the link", ELOOP);
      if (!mayFollow(t.folder.get(), st))
        return FileResult::refused("following the link", "another user's link in a shared folder");
      std::string to;
      if (!readLink(t.folder.get(), name, to)) return FileResult::failed("following the link", errno);
      if (to.empty()) return FileResult::failed("following the link", ENOENT);
      if (to.front() == '/') t.folder = openFolder(AT_FDCWD, "/");
      if (!t.folder.ok()) return FileResult::failed("finding the folder", errno);
      std::deque<std::string> more = namesOf(to);
      if (more.empty() || to.back() == '/')
        return FileResult::refused("checking the file", "not a regular file");
      names.insert(names.begin(), more.begin(), more.end());
      continue;
    }
    if (last) {
      t.name = std::move(name);
      t.exists = true;
      t.st = st;
      return {};
    }
    Fd next = openFolder(t.folder.get(), name.c_str());
    if (!next.ok()) return FileResult::failed("finding the folder", errno);
    t.folder = std::move(next);
  }
  return FileResult::refused("checking the file", "not a file name");
}

constexpr const char* kTempPrefix = ".klebony-";
constexpr const char* kTempSuffix = ".tmp";

std::string tempName() {
  static unsigned serial = 0;
  return kTempPrefix + std::to_string(::getpid()) + "-" + std::to_string(++serial) + kTempSuffix;
}

// The process that named a temporary file of ours: ".klebony-PID-N.tmp".
std::optional<pid_t> tempOwner(const std::string& name) {
  const std::string prefix = kTempPrefix;
  const std::string suffix = kTempSuffix;
  if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return std::nullopt;
  const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  const auto dash = middle.find('-');
  if (dash == 0 || dash == std::string::npos || dash + 1 == middle.size() || dash > 9) return std::nullopt;
  for (std::size_t i = 0; i < middle.size(); ++i)
    if (i != dash && (middle[i] < '0' || middle[i] > '9')) return std::nullopt;
  return static_cast<pid_t>(std::stol(middle.substr(0, dash)));
}

// A save killed between naming its temporary file and renaming it leaves the
// file behind. Its name carries the saving process's id, so a later save
// removes those whose process is gone. Best effort: a folder that cannot be
// listed is saved to all the same.
void sweepStaleTemporaries(FileOps& ops, int folder) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return;
  }
  std::vector<std::string> stale;
  while (const dirent* e = ::readdir(dir)) {
    const auto pid = tempOwner(e->d_name);
    if (!pid || *pid == ::getpid() || *pid <= 0) continue;
    if (::kill(*pid, 0) == 0 || errno != ESRCH) continue;
    struct stat st {};
    if (::fstatat(folder, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
      stale.emplace_back(e->d_name);
  }
  ::closedir(dir);
  for (const auto& name : stale) ops.unlink(folder, name);
}

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
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
}

// The new file as far as it has got: closed and its name removed unless the
// save gets to the end.
struct Pending {
  Pending(FileOps& o, int f) : ops(o), folder(f) {}
  Pending(const Pending&) = delete;
  Pending& operator=(const Pending&) = delete;
  FileOps& ops;
  int folder;
  int fd = -1;
  std::string named;  // the name it has in the folder so far, if any
  ~Pending() {
    if (fd >= 0) ops.close(fd);
    if (!named.empty()) ops.unlink(folder, named);
  }
};

}  // namespace

std::string FileResult::describe() const {
  if (!step) return "done";
  if (error != 0) return std::string(step) + ": " + std::generic_category().message(error);
  return std::string(reason ? reason : "failed") + " (" + step + ")";
}

FileResult saveGame(const World& world, const std::string& path, FileOps& ops) {
  const auto bytes = encodeSave(world);
  if (!bytes) return FileResult::refused("encoding the game", "a name the file cannot hold");
  // A state the loader would refuse is not saved: a file that cannot be
  // loaded again is no save at all.
  if (!decodeSave(*bytes)) return FileResult::refused("encoding the game", "a state no game can load");
  ignoreFileSizeSignal();

  Target t;
  if (const FileResult found = findTarget(path, t); !found) return found;
  const int folder = t.folder.get();
  if (t.exists) {
    if (!S_ISREG(t.st.st_mode)) return FileResult::refused("checking the file", "not a regular file");
    // A file its owner made read-only is not replaced behind their back.
    if (::faccessat(folder, t.name.c_str(), W_OK, 0) != 0)
      return FileResult::failed("checking the file", errno);
    // A file with a second name is refused rather than written in place:
    // writing in place breaks the promise that the file is always either the
    // whole old game or the whole new one (a crash half-way leaves a mix),
    // and replacing it would split it from its other name. A player who
    // wants two names for one save can use a symbolic link, which is kept.
    if (t.st.st_nlink > 1) return FileResult::refused("checking the file", "the file has other hard links");
  }
  sweepStaleTemporaries(ops, folder);

  // While it is written the new file is the player's alone; it gets the old
  // file's permissions once its owner is settled (a change of owner would
  // clear set-id bits given before).
  const mode_t createMode = t.exists ? 0600 : 0666;
  Pending file(ops, folder);
  bool unnamed = true;
  file.fd = ops.createUnnamed(folder, createMode);
  if (file.fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    // This file system has no files without a name: a hidden one, which the
    // sweep above removes should a crash leave it behind.
    unnamed = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = tempName();
      file.fd = ops.createExclusive(folder, name, createMode);
      if (file.fd >= 0) file.named = std::move(name);
      if (file.fd >= 0 || errno != EEXIST) break;
    }
  }
  if (file.fd < 0) return FileResult::failed("creating the temporary file", errno);

  if (!writeAll(ops, file.fd, *bytes)) return FileResult::failed("writing", errno);
  if (t.exists) {
    // Keep the owner and group where this process may set them: root may set
    // both, an owner may still set a group of its own. Otherwise the file
    // becomes the saving user's, as any new file would.
    if (t.st.st_uid != ::geteuid() || t.st.st_gid != ::getegid()) {
      if (ops.fchown(file.fd, t.st.st_uid, t.st.st_gid) != 0)
        ops.fchown(file.fd, static_cast<uid_t>(-1), t.st.st_gid);
    }
    if (::fchmod(file.fd, t.st.st_mode & 07777) != 0)
      return FileResult::failed("keeping the permissions", errno);
  }
  if (ops.fsync(file.fd) != 0) return FileResult::failed("writing to disk", errno);
  if (unnamed) {
    // A new file gets its name directly; an old one is replaced by a rename,
    // for which the new file needs a name of its own for a moment.
    std::string name = t.exists ? tempName() : t.name;
    int linked = ops.link(file.fd, folder, name);
    for (int attempt = 0; linked != 0 && errno == EEXIST && t.exists && attempt < 100; ++attempt) {
      name = tempName();
      linked = ops.link(file.fd, folder, name);
    }
    if (linked != 0) return FileResult::failed("naming the file", errno);
    file.named = std::move(name);
  }
  const int fd = std::exchange(file.fd, -1);
  if (ops.close(fd) != 0) return FileResult::failed("closing", errno);
  if (file.named != t.name) {
    if (ops.rename(folder, file.named, t.name) != 0) return FileResult::failed("replacing the file", errno);
  }
  file.named.clear();
  syncFolder(folder);
  return {};
}

ReadResult readSaveFile(const std::string& path) {
  ReadResult r;
  if (path.empty()) {
    r.result = FileResult::refused("opening", "not a file name");
    return r;
  }
  // Non-blocking, so that a named pipe cannot stall the game before the check below.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.ok()) {
    r.result = FileResult::failed("opening", errno);
    return r;
  }
  struct stat st {};
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
