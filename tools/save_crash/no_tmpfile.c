// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded by run.sh to stand in for a file system without files that have
// no name: opening with O_TMPFILE fails as it does there, so the save takes
// its hidden-temporary-file way.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>

typedef int (*OpenAt)(int, const char*, int, ...);

int openat(int folder, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = va_arg(args, mode_t);
  va_end(args);
  if ((flags & O_TMPFILE) == O_TMPFILE) {
    errno = EOPNOTSUPP;
    return -1;
  }
  OpenAt real = (OpenAt)dlsym(RTLD_NEXT, "openat");
  return real(folder, path, flags, mode);
}

// The large-file name of the same call.
int openat64(int folder, const char* path, int flags, ...) __attribute__((alias("openat")));
