// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves where another user, a crash or a limit could do harm: links planted in
// shared folders, files of other users, hard links, stale temporary files and
// a file-size limit.
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>

#include "persist/commands.h"
#include "persist/savefile.h"
#include "persist/saveload.h"
#include "persist/temporary_file.h"
#include "tests/persist/persist_support.h"

namespace klebony {
namespace {

constexpr uid_t kOther = 65534;  // nobody

using test::Played;

// Runs `work` in a child process as user and group `kOther`; true when it succeeded.
bool asOtherUser(const std::function<bool()>& work) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(kOther) == 0 && ::setuid(kOther) == 0 && work();
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder `kOther` can reach, with a shared sticky folder inside, as /tmp is.
struct SharedFolder {
  test::TempFolder folder;
  std::string shared = folder.file("shared");
  SharedFolder() {
    ::chmod(folder.path().c_str(), 0755);
    std::filesystem::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
  }
  std::string in(const std::string& name) const { return shared + "/" + name; }
};

TEST(SaveSafety, AnotherUsersLinkInASharedFolderIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to plant a link as a second user";
  Played played;
  SharedFolder f;
  const std::string mine = f.folder.file("mine.klb");
  test::writeBytes(mine, "precious");
  // Planted by another user: the save must fail whether the link is the file
  // itself or a folder on the way, and leave the player's file alone.
  ASSERT_TRUE(asOtherUser([&] {
    return ::symlink(mine.c_str(), f.in("game.klb").c_str()) == 0 &&
           ::symlink(f.folder.path().c_str(), f.in("folder").c_str()) == 0;
  }));
  for (const std::string& path : {f.in("game.klb"), f.in("folder/mine.klb")}) {
    EXPECT_EQ(saveGame(played.game.world, path).describe(),
              "another user's link in a shared folder (following the link)")
        << path;
    EXPECT_EQ(test::readBytes(mine), "precious") << path;
  }
  testing::internal::CaptureStderr();
  saveGameAs(played.game, f.in("game.klb"));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{"message Файл не удается создать... :("});
  EXPECT_EQ(f.folder.entries(), (std::vector<std::string>{"mine.klb", "shared"}));
  EXPECT_TRUE(std::filesystem::is_symlink(f.in("game.klb")));
}

TEST(SaveSafety, LinksOfTheSaverOrOfTheFolderOwnerOrOutsideSharedFoldersAreFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to plant a link as a second user";
  Played played;
  const std::string bytes = encodeSave(played.game.world).value();
  SharedFolder f;
  const std::string mine = f.folder.file("mine.klb");
  ASSERT_EQ(::symlink(mine.c_str(), f.in("own link.klb").c_str()), 0);  // the saver's own
  const std::string owned = f.folder.file("owned by the other");        // sticky, but the other user's folder
  std::filesystem::create_directory(owned);
  ASSERT_EQ(::chmod(owned.c_str(), 01777), 0);
  ASSERT_EQ(::chown(owned.c_str(), kOther, kOther), 0);
  const std::string plain = f.folder.file("plain");  // everyone may write, but not sticky
  std::filesystem::create_directory(plain);
  ASSERT_EQ(::chmod(plain.c_str(), 0777), 0);
  ASSERT_TRUE(asOtherUser([&] {
    return ::symlink(mine.c_str(), (owned + "/game.klb").c_str()) == 0 &&
           ::symlink(mine.c_str(), (plain + "/game.klb").c_str()) == 0;
  }));
  for (const std::string& path : {f.in("own link.klb"), owned + "/game.klb", plain + "/game.klb"}) {
    test::writeBytes(mine, "old");
    EXPECT_TRUE(saveGame(played.game.world, path)) << path;
    EXPECT_EQ(test::readBytes(mine), bytes) << path;
    EXPECT_TRUE(std::filesystem::is_symlink(path)) << path;
  }
}

TEST(SaveSafety, ReplacingAnotherUsersFileKeepsItsOwnerGroupAndPermissions) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own a file as a second user";
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("theirs.klb");
  test::writeBytes(path, "old");
  ASSERT_EQ(::chown(path.c_str(), kOther, kOther), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  ASSERT_TRUE(saveGame(played.game.world, path));
  struct stat st = {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, kOther);
  EXPECT_EQ(st.st_gid, kOther);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_EQ(test::readBytes(path), encodeSave(played.game.world).value());
}

TEST(SaveSafety, AFileWithASecondNameIsRefusedAndBothNamesKeepTheOldGame) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  test::writeBytes(path, "old");
  ASSERT_EQ(::link(path.c_str(), folder.file("other name.klb").c_str()), 0);
  testing::internal::CaptureStderr();
  saveGameAs(played.game, path);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "klebony: saving " + path + " failed: the file has other hard links (checking the file)\n");
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{"message Файл не удается создать... :("});
  EXPECT_EQ(test::readBytes(path), "old");
  EXPECT_EQ(test::readBytes(folder.file("other name.klb")), "old");
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"game.klb", "other name.klb"}));
}

// Without a file system that lacks unnamed files, the hidden-name way is forced.
class NamedOnly : public FileOps {
 public:
  int createUnnamed(int, mode_t) override { return errno = EOPNOTSUPP, -1; }
};

// Holds a lock on a file as a live save does, from another open file description.
class LiveSave {
 public:
  explicit LiveSave(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    EXPECT_EQ(::fcntl(fd_, F_OFD_SETLK, &lock), 0);
  }
  ~LiveSave() { ::close(fd_); }

 private:
  int fd_;
};

TEST(SaveSafety, OnlyUnlockedDebrisOfTheSaverUnderTheFilesHiddenNameIsRemoved) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  const std::string hidden = TemporaryFile::hiddenName(::geteuid(), "game.klb");
  // Names of other files, other users and older versions are never looked at.
  const std::vector<std::string> others{TemporaryFile::hiddenName(::geteuid(), "other.klb"),
                                        TemporaryFile::hiddenName(::geteuid() + 1, "game.klb"),
                                        ".klebony-1-1.tmp", ".klebony-999999-7.tmp"};
  enum class Plant { Debris, Live, Folder, SecondName, Link };
  NamedOnly named;
  for (FileOps* ops : {&systemFileOps(), static_cast<FileOps*>(&named)})
    for (const Plant plant : {Plant::Debris, Plant::Live, Plant::Folder, Plant::SecondName, Plant::Link}) {
      const std::string what =
          std::to_string(static_cast<int>(plant)) + (ops == &named ? " named" : " unnamed");
      test::writeBytes(path, "old");
      for (const std::string& name : others) test::writeBytes(folder.file(name), "not ours to judge");
      std::optional<LiveSave> live;
      switch (plant) {
        case Plant::Debris:
        case Plant::Live:
          test::writeBytes(folder.file(hidden), "half a game");
          if (plant == Plant::Live) live.emplace(folder.file(hidden));
          break;
        case Plant::Folder:
          std::filesystem::create_directory(folder.file(hidden));
          break;
        case Plant::SecondName:
          test::writeBytes(folder.file("elsewhere"), "x");
          ASSERT_EQ(::link(folder.file("elsewhere").c_str(), folder.file(hidden).c_str()), 0);
          break;
        case Plant::Link:
          std::filesystem::create_symlink("game.klb", folder.file(hidden));
          break;
      }
      ASSERT_TRUE(saveGame(played.game.world, path, *ops)) << what;
      EXPECT_EQ(test::readBytes(path), encodeSave(played.game.world).value()) << what;
      EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(folder.file(hidden))),
                plant != Plant::Debris)
          << what;
      for (const std::string& name : others)
        EXPECT_EQ(test::readBytes(folder.file(name)), "not ours to judge");
      live.reset();
      std::filesystem::remove_all(folder.path());
      std::filesystem::create_directory(folder.path());
    }
}

TEST(SaveSafety, AnotherUsersFilesInASharedFolderAreNeitherReplacedNorRemoved) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own files as a second user";
  Played played;
  SharedFolder f;
  const std::string path = f.in("game.klb");
  const std::string hidden = f.in(TemporaryFile::hiddenName(0, "game.klb"));
  // Left for root to fill, mode 0666, so that its owner could rewrite the save later.
  ASSERT_TRUE(asOtherUser([&] {
    test::writeBytes(path, "theirs");
    test::writeBytes(hidden, "theirs too");
    return ::chmod(path.c_str(), 0666) == 0;
  }));
  testing::internal::CaptureStderr();
  saveGameAs(played.game, path);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "klebony: saving " + path +
                " failed: another user's file in a shared folder (checking "
                "the file)\n");
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{"message Файл не удается создать... :("});
  EXPECT_EQ(test::readBytes(path), "theirs");
  // Under another name the save goes ahead beside their look-alike, which stays.
  NamedOnly named;
  std::filesystem::rename(path, f.in("kept.klb"));
  ASSERT_TRUE(saveGame(played.game.world, path, named));
  EXPECT_EQ(test::readBytes(hidden), "theirs too");
  // The player's own file and the folder owner's are replaced as anywhere.
  ASSERT_EQ(::chown(path.c_str(), 0, 0), 0);
  EXPECT_TRUE(saveGame(played.game.world, path));
  EXPECT_TRUE(asOtherUser([&] {
    return static_cast<bool>(saveGame(played.game.world, f.in("mine.klb"))) &&
           static_cast<bool>(saveGame(played.game.world, f.in("mine.klb")));
  }));
}

// Regression: liveness was judged by process number, and a saver in another
// PID namespace removed the other's live temporary files.
TEST(SaveSafety, SaversInDifferentPidNamespacesNeverSpoilEachOthersSaves) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, for a PID namespace";
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  // Each saver returns the number of saves that failed; 255 when no namespace could be made.
  const auto saver = [&](bool ownNamespace, bool unnamed) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    if (ownNamespace) {
      if (::unshare(CLONE_NEWPID) != 0) ::_exit(255);
      const pid_t inner = ::fork();
      if (inner != 0) {
        int status = 0;
        ::waitpid(inner, &status, 0);
        ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 254);
      }
    }
    NamedOnly named;
    int failed = 0;
    for (int i = 0; i < 300; ++i)
      failed += !saveGame(played.game.world, path, unnamed ? systemFileOps() : named);
    ::_exit(std::min(failed, 253));
  };
  for (const bool unnamed : {true, false}) {
    const pid_t inside = saver(true, unnamed);
    const pid_t outside = saver(false, unnamed);
    int in = 0, out = 0;
    ASSERT_EQ(::waitpid(inside, &in, 0), inside);
    ASSERT_EQ(::waitpid(outside, &out, 0), outside);
    if (WEXITSTATUS(in) == 255) GTEST_SKIP() << "no PID namespaces here";
    EXPECT_EQ(WEXITSTATUS(in), 0) << "saves lost inside, unnamed " << unnamed;
    EXPECT_EQ(WEXITSTATUS(out), 0) << "saves lost outside, unnamed " << unnamed;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"});
    EXPECT_EQ(test::readBytes(path), encodeSave(played.game.world).value());
  }
}

// Each call is interrupted by a signal once; on its first new file another
// save gets there first.
class RacedOps : public FileOps {
 public:
  explicit RacedOps(bool unnamed, std::string target) : unnamed_(unnamed), target_(std::move(target)) {}
  int createUnnamed(int folder, mode_t mode) override {
    return unnamed_ ? interrupted("createUnnamed", [&] { return FileOps::createUnnamed(folder, mode); })
                    : (errno = EOPNOTSUPP, -1);
  }
  int createExclusive(int folder, const std::string& name, mode_t mode) override {
    return interrupted("createExclusive", [&] { return FileOps::createExclusive(folder, name, mode); });
  }
  int fsync(int fd) override {
    return interrupted("fsync", [&] { return FileOps::fsync(fd); });
  }
  int link(int fd, int folder, const std::string& name) override {
    if (name == "game.klb" && !raced_) {
      raced_ = true;
      test::writeBytes(target_, "the other save's game");
    }
    return interrupted("link", [&] { return FileOps::link(fd, folder, name); });
  }
  int rename(int folder, const std::string& from, const std::string& to) override {
    return interrupted("rename", [&] { return FileOps::rename(folder, from, to); });
  }

 private:
  template <class Call>
  int interrupted(const std::string& what, Call call) {
    if (std::find(seen_.begin(), seen_.end(), what) == seen_.end()) {
      seen_.push_back(what);
      return errno = EINTR, -1;
    }
    return call();
  }
  bool unnamed_;
  std::string target_;
  bool raced_ = false;
  std::vector<std::string> seen_;
};

TEST(SaveSafety, InterruptedCallsAreRetriedAndAConcurrentFirstSaveIsReplaced) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  for (const bool unnamed : {true, false}) {
    RacedOps ops(unnamed, path);
    EXPECT_EQ(saveGame(played.game.world, path, ops).describe(), "done") << unnamed;
    EXPECT_EQ(test::readBytes(path), encodeSave(played.game.world).value()) << unnamed;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"}) << unnamed;
    std::filesystem::remove(path);
  }
}

// Ends the process just before its n-th file operation, as a kill would.
class DyingOps : public FileOps {
 public:
  DyingOps(int n, bool unnamed) : left_(n), unnamed_(unnamed) {}
  int createUnnamed(int folder, mode_t mode) override {
    step();
    return unnamed_ ? FileOps::createUnnamed(folder, mode) : (errno = EOPNOTSUPP, -1);
  }
  int createExclusive(int folder, const std::string& name, mode_t mode) override {
    return step(), FileOps::createExclusive(folder, name, mode);
  }
  ssize_t write(int fd, const char* data, size_t size) override {
    return step(), FileOps::write(fd, data, size > 1000 ? 1000 : size);
  }
  int fchown(int fd, uid_t owner, gid_t group) override { return step(), FileOps::fchown(fd, owner, group); }
  int fsync(int fd) override { return step(), FileOps::fsync(fd); }
  int close(int fd) override { return step(), FileOps::close(fd); }
  int link(int fd, int folder, const std::string& name) override {
    return step(), FileOps::link(fd, folder, name);
  }
  int rename(int folder, const std::string& from, const std::string& to) override {
    return step(), FileOps::rename(folder, from, to);
  }

 private:
  void step() {
    if (--left_ == 0) ::_exit(0);
  }
  int left_;
  bool unnamed_;
};

TEST(SaveSafety, ACrashAtAnyStepLeavesTheWholeOldOrNewFileAndTheNextSaveSweepsWhatItLeft) {
  Played played;
  const std::string bytes = encodeSave(played.game.world).value();
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  for (const bool unnamed : {true, false}) {
    int steps = 0;
    for (int n = 1;; ++n) {
      test::writeBytes(path, "old");
      const pid_t pid = ::fork();
      if (pid == 0) {
        DyingOps ops(n, unnamed);
        saveGame(played.game.world, path, ops);
        ::_exit(1);  // got to the end
      }
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      ASSERT_TRUE(WIFEXITED(status));
      const std::string held = test::readBytes(path);
      EXPECT_TRUE(held == "old" || held == bytes) << "killed before step " << n << ", unnamed " << unnamed;
      ASSERT_TRUE(saveGame(played.game.world, path));
      EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"}) << n << unnamed;
      if (WEXITSTATUS(status) == 1) break;
      steps = n;
    }
    EXPECT_GE(steps, 10) << "the save should have taken several steps, unnamed " << unnamed;
  }
}

TEST(SaveSafety, AFileSizeLimitFailsTheSaveInsteadOfKillingTheGame) {
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  for (const bool unnamed : {true, false}) {
    test::writeBytes(path, "old");
    const pid_t pid = ::fork();
    if (pid == 0) {
      Played played;
      ::signal(SIGXFSZ, SIG_DFL);  // as a fresh game starts, whatever ran before in this process
      const rlimit limit{4096, 4096};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      NamedOnly named;
      const FileResult r =
          unnamed ? saveGame(played.game.world, path) : saveGame(played.game.world, path, named);
      ::_exit(!r && r.error == EFBIG && std::string(r.step) == "writing" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << "not a failed write of EFBIG";
    EXPECT_EQ(test::readBytes(path), "old") << unnamed;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"}) << unnamed;
  }
}

}  // namespace
}  // namespace klebony
