// Preloaded by run.sh to stand in for a file system without files that have
// no name: opening with O_TMPFILE fails as it does there, so the save takes
// its hidden-temporary-file way.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>

typedef int (*OpenAt)(int, const char*, int, ...);

static int forward(const char* symbol, int folder, const char* path, int flags, mode_t mode) {
  if ((flags & O_TMPFILE) == O_TMPFILE) {
    errno = EOPNOTSUPP;
    return -1;
  }
  OpenAt real = (OpenAt)dlsym(RTLD_NEXT, symbol);
  return real(folder, path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = va_arg(args, mode_t);
  va_end(args);
  return forward("openat", folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = va_arg(args, mode_t);
  va_end(args);
  return forward("openat64", folder, path, flags, mode);
}
