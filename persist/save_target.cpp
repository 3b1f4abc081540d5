// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/save_target.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <deque>

namespace klebony {
namespace {

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

// In a shared folder only links of the saving user or of the folder's owner
// are followed. Otherwise another user could plant a link there and have a
// save replace the player's own files (or, saving as root, the system's).
bool mayFollow(int folder, const struct stat& link) {
  struct stat dir = {};
  if (::fstat(folder, &dir) != 0) return false;
  return !isSharedFolder(dir) || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
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

// Replaces the link's name at the front of `names` by the names it points to.
FileResult followLink(SaveTarget& t, const std::string& name, const struct stat& st,
                      std::deque<std::string>& names) {
  if (!mayFollow(t.folder.get(), st))
    return FileResult::refused("following the link", "another user's link in a shared folder");
  std::string to;
  if (!readLink(t.folder.get(), name, to)) return FileResult::failed("following the link", errno);
  if (to.empty()) return FileResult::failed("following the link", ENOENT);
  if (to.front() == '/') t.folder = openFolder(AT_FDCWD, "/");
  if (!t.folder.ok()) return FileResult::failed("finding the folder", errno);
  std::deque<std::string> more = namesOf(to);
  if (more.empty() || to.back() == '/') return FileResult::refused("checking the file", "not a regular file");
  names.insert(names.begin(), more.begin(), more.end());
  return {};
}

}  // namespace

bool isSharedFolder(const struct stat& folder) {
  return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

FileResult findSaveTarget(const std::string& path, SaveTarget& t) {
  if (path.empty() || path.back() == '/') return FileResult::refused("checking the file", "not a file name");
  std::deque<std::string> names = namesOf(path);
  t.folder = openFolder(AT_FDCWD, path.front() == '/' ? "/" : ".");
  if (!t.folder.ok()) return FileResult::failed("finding the folder", errno);
  int links = 0;
  while (!names.empty()) {
    std::string name = std::move(names.front());
    names.pop_front();
    const bool last = names.empty();
    struct stat st = {};
    if (::fstatat(t.folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (last && errno == ENOENT) {
        t.name = std::move(name);
        return {};
      }
      return FileResult::failed(last ? "checking the file" : "finding the folder", errno);
    }
    if (S_ISLNK(st.st_mode)) {
      if (++links > 40) return FileResult::failed("following the link", ELOOP);
      if (const FileResult followed = followLink(t, name, st, names); !followed) return followed;
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

FileResult restatSaveTarget(SaveTarget& t) {
  t.exists = ::fstatat(t.folder.get(), t.name.c_str(), &t.st, AT_SYMLINK_NOFOLLOW) == 0;
  if (!t.exists && errno != ENOENT) return FileResult::failed("checking the file", errno);
  return {};
}

FileResult checkReplaceable(const SaveTarget& t) {
  if (!S_ISREG(t.st.st_mode)) return FileResult::refused("checking the file", "not a regular file");
  // The kernel's rule for files in shared folders (fs.protected_regular=1),
  // whatever this machine's setting: another user may have left a file there
  // for the player to fill, and would then own the player's save.
  struct stat dir = {};
  if (::fstat(t.folder.get(), &dir) != 0) return FileResult::failed("checking the file", errno);
  if (isSharedFolder(dir) && t.st.st_uid != ::geteuid() && t.st.st_uid != dir.st_uid)
    return FileResult::refused("checking the file", "another user's file in a shared folder");
  // A file its owner made read-only is not replaced behind their back.
  if (::faccessat(t.folder.get(), t.name.c_str(), W_OK, 0) != 0)
    return FileResult::failed("checking the file", errno);
  // A file with a second name is refused rather than written in place:
  // writing in place breaks the promise that the file is always either the
  // whole old game or the whole new one (a crash half-way leaves a mix),
  // and replacing it would split it from its other name. A player who
  // wants two names for one save can use a symbolic link, which is kept.
  if (t.st.st_nlink > 1) return FileResult::refused("checking the file", "the file has other hard links");
  return {};
}

}  // namespace klebony
