// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file operations a save needs, behind an interface so that tests can make
// any one of them fail. The base class does the real thing. Names are relative
// to an open folder, so that nothing can swap a folder under a save half-way.
#include <sys/types.h>

#include <string>

namespace klebony {

class FileOps {
 public:
  virtual ~FileOps() = default;
  // A file with no name in `folder`, open for writing; -1 and errno on failure
  // (EOPNOTSUPP, EISDIR or EINVAL where the file system cannot make one).
  virtual int createUnnamed(int folder, mode_t mode);
  // A new file that must not exist yet, open for writing; -1 and errno on failure.
  virtual int createExclusive(int folder, const std::string& name, mode_t mode);
  virtual ssize_t write(int fd, const char* data, size_t size);
  virtual int fchown(int fd, uid_t owner, gid_t group);
  virtual int fsync(int fd);
  virtual int close(int fd);
  // Gives the unnamed file `fd` the name `name`; EEXIST when the name is taken.
  virtual int link(int fd, int folder, const std::string& name);
  virtual int rename(int folder, const std::string& from, const std::string& to);
  virtual int unlink(int folder, const std::string& name);
};

FileOps& systemFileOps();

}  // namespace klebony
