// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The new file of a save while it is written, beside the file it will
// replace.
//
// It is made without a name where the file system can (O_TMPFILE), else under
// a hidden name, and holds a lock (an open file description lock) from its
// creation until the save ends. The lock, not a process number, tells a live
// save from debris: process numbers mean nothing across PID namespaces, and
// a file another save still writes is never taken for a crash's leftover.
//
// The hidden name is `.klebony-UID-KEY.tmp`, KEY a hash of the target's
// name, so the next save of the same file finds what a crash left by looking
// at one name, never at the whole folder: its cost does not grow with other
// people's files. Where that name is taken by a live save or by something not
// ours (another user may plant it), the file gets `.klebony-UID-KEY-RANDOM.tmp`
// instead, so no planted name can make a save fail.
#include <sys/types.h>

#include <string>

#include "persist/fd.h"
#include "persist/file_result.h"
#include "persist/fileops.h"

namespace klebony {

class TemporaryFile {
 public:
  TemporaryFile(FileOps& ops, int folder, const std::string& targetName);
  // Unless the save got to its end: closed, and its name removed.
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  FileResult create(mode_t mode);
  int fd() const { return fd_; }
  bool unnamed() const { return unnamed_ && name_.empty(); }

  // An unnamed file linked in as the target itself (a new file); false with
  // errno when that failed, EEXIST when another save made the file meanwhile.
  bool nameAsTarget(const std::string& targetName);
  // A hidden name of its own, for a file about to replace another.
  FileResult nameHidden();
  // Closes the descriptor it was written through; the lock stays.
  FileResult closeWritten();
  // Renames it over the target and ends the save.
  FileResult replace(const std::string& targetName);
  // The file has the target's name: the save is over.
  void finished();

  // The hidden name, without a random part, of the saves of `targetName` by the user `uid`.
  static std::string hiddenName(uid_t uid, const std::string& targetName);

 private:
  bool claim(const std::string& name, bool create, mode_t mode);
  bool removeIfDebris(const std::string& name);
  bool stillNamed(int fd, const std::string& name) const;
  FileResult claimHiddenName(bool create, mode_t mode);

  FileOps& ops_;
  int folder_;
  std::string primary_;  // the hidden name without a random part
  int fd_ = -1;          // written through, closed by closeWritten()
  Fd lock_;              // holds the lock until the save ends
  std::string name_;     // its name in the folder so far, if any
  bool unnamed_ = false;
};

}  // namespace klebony
