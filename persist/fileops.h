#pragma once
// The few file operations a save needs, behind an interface so that tests can
// make any one of them fail. The base class does the real thing.
#include <sys/types.h>

#include <string>

namespace klebony {

class FileOps {
 public:
  virtual ~FileOps() = default;
  // A new file that must not exist yet, open for writing; -1 and errno on failure.
  virtual int createExclusive(const std::string& path, mode_t mode);
  virtual ssize_t write(int fd, const char* data, size_t size);
  virtual int fsync(int fd);
  virtual int close(int fd);
  virtual int rename(const std::string& from, const std::string& to);
  virtual int unlink(const std::string& path);
};

FileOps& systemFileOps();

}  // namespace klebony
