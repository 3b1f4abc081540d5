#include "saveload.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "savefile.h"

namespace klebony {
namespace {

struct Target {
  std::string path;
  bool existed = false;
  mode_t mode = 0;
};

// Where the bytes really go: through a symbolic link to its file, so the link
// survives; only a regular file (or nothing yet) may be replaced.
std::optional<Target> resolveTarget(const std::string& path) {
  if (path.empty() || path.back() == '/') return std::nullopt;
  Target t{path};
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      t.path = real;
      std::free(real);
    }
  }
  if (::stat(t.path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return std::nullopt;
    // A file its owner made read-only is not replaced behind their back.
    if (::access(t.path.c_str(), W_OK) != 0) return std::nullopt;
    t.existed = true;
    t.mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return std::nullopt;
  }
  return t;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool writeAll(FileOps& ops, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ops.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;  // an error, or a disk that takes nothing more
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Best effort: makes the rename itself durable. The new file is complete by
// now, so a failure here does not make the save a failure.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool saveGame(const World& world, const std::string& path, FileOps& ops) {
  const auto bytes = encodeSave(world);
  // A state the loader would refuse is not saved: a file that cannot be
  // loaded again is no save at all.
  if (!bytes || !decodeSave(*bytes)) return false;
  const auto target = resolveTarget(path);
  if (!target) return false;

  const std::string folder = folderOf(target->path);
  static unsigned serial = 0;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = folder + ".klebony-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".tmp";
    fd = ops.createExclusive(temp, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = writeAll(ops, fd, *bytes);
  if (ok && target->existed) ::fchmod(fd, target->mode);  // keep the old file's permissions
  ok = ok && ops.fsync(fd) == 0;
  ok = ops.close(fd) == 0 && ok;
  ok = ok && ops.rename(temp, target->path) == 0;
  if (!ok) {
    ops.unlink(temp);
    return false;
  }
  syncFolder(folder);
  return true;
}

std::optional<std::string> readSaveFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // Non-blocking, so that a named pipe cannot stall the game before the check below.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::string> result;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    std::string bytes(kMaxSaveBytes + 1, '\0');
    std::size_t got = 0;
    bool failed = false;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed = true;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    // A file longer than any save is refused without reading it all.
    if (!failed && got <= kMaxSaveBytes) {
      bytes.resize(got);
      result = std::move(bytes);
    }
  }
  ::close(fd);
  return result;
}

bool loadGame(Game& game, const std::string& path) {
  const auto bytes = readSaveFile(path);
  return bytes && loadGameFromBytes(game.world, game.random, *bytes);
}

}  // namespace klebony
