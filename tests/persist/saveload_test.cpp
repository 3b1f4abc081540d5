// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/saveload.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>

#include "core/mutation.h"
#include "core/rules.h"
#include "persist/commands.h"
#include "persist/savefile.h"
#include "tests/persist/persist_support.h"

namespace klebony {
namespace {

const char* const kSaveMessage = "message Файл не удается создать... :(";
const char* const kOpenMessage = "message Файл не удается открыть... :(";

using test::Played;

// Real file operations, one of which fails the way a disk or a folder can;
// `unnamed` false stands for a file system that has no files without a name.
class FailingOps : public FileOps {
 public:
  enum class Step { None, Create, ShortWriteThenFull, WriteNothing, DevFull, Fsync, Link, Close, Rename };
  FailingOps(Step step, bool unnamed) : step_(step), unnamed_(unnamed) {}
  int createUnnamed(int folder, mode_t mode) override {
    if (!unnamed_) return errno = EOPNOTSUPP, -1;
    if (step_ == Step::Create) return errno = EACCES, -1;
    return FileOps::createUnnamed(folder, mode);
  }
  int createExclusive(int folder, const std::string& name, mode_t mode) override {
    if (step_ == Step::Create) return errno = EACCES, -1;
    return FileOps::createExclusive(folder, name, mode);
  }
  ssize_t write(int fd, const char* data, size_t size) override {
    if (step_ == Step::WriteNothing) return 0;
    if (step_ == Step::DevFull) {
      // The temporary file exists, but its bytes go to a full device.
      const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
      const ssize_t n = ::write(full, data, size);
      const int error = errno;
      ::close(full);
      return errno = error, n;
    }
    if (step_ == Step::ShortWriteThenFull) {
      if (written_ > 0) return errno = ENOSPC, -1;
      const ssize_t n = FileOps::write(fd, data, size / 2);
      if (n > 0) written_ += n;
      return n;
    }
    return FileOps::write(fd, data, size);
  }
  int fsync(int fd) override { return step_ == Step::Fsync ? (errno = EIO, -1) : FileOps::fsync(fd); }
  int link(int fd, int folder, const std::string& name) override {
    return step_ == Step::Link ? (errno = ENOSPC, -1) : FileOps::link(fd, folder, name);
  }
  int close(int fd) override {
    const int r = FileOps::close(fd);
    return step_ == Step::Close ? (errno = EIO, -1) : r;
  }
  int rename(int folder, const std::string& from, const std::string& to) override {
    return step_ == Step::Rename ? (errno = EXDEV, -1) : FileOps::rename(folder, from, to);
  }

 private:
  Step step_;
  bool unnamed_;
  ssize_t written_ = 0;
};

// Gives the bytes one at a time: slow, but a sound writer gets there.
class TrickleOps : public FileOps {
 public:
  ssize_t write(int fd, const char* data, size_t size) override {
    if (++calls_ % 3 == 0) return errno = EINTR, -1;
    return FileOps::write(fd, data, size > 0 ? 1 : 0);
  }

 private:
  int calls_ = 0;
};

TEST(SaveToDisk, EveryFailingStepKeepsTheOldFileLeavesNoTemporaryFileAndSaysWhy) {
  using Step = FailingOps::Step;
  struct Case {
    Step step;
    const char* why;
  };
  const Case cases[] = {
      {Step::Create, "creating the temporary file: Permission denied"},
      {Step::ShortWriteThenFull, "writing: No space left on device"},
      {Step::WriteNothing, "writing: No space left on device"},
      {Step::DevFull, "writing: No space left on device"},
      {Step::Fsync, "writing to disk: Input/output error"},
      {Step::Link, "naming the file: No space left on device"},
      {Step::Close, "closing: Input/output error"},
      {Step::Rename, "replacing the file: Invalid cross-device link"},
  };
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  const std::string old = "the previous save, whatever it held";
  // Where the test folder has no unnamed files, the save takes the hidden-name way only.
  const int probe = ::open(folder.path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  const bool hasUnnamed = probe >= 0;
  if (hasUnnamed) ::close(probe);
  for (const bool unnamed : {true, false})
    for (const bool existed : {true, false})
      for (const Case& c : cases) {
        if (unnamed && !hasUnnamed) continue;
        // Only an unnamed file is linked in; only an old file is renamed over.
        if (c.step == Step::Link && !unnamed) continue;
        if (c.step == Step::Rename && unnamed && !existed) continue;
        const std::string what = std::string(c.why) + (unnamed ? ", unnamed" : ", named") +
                                 (existed ? ", over a file" : ", new file");
        if (existed) test::writeBytes(path, old);
        FailingOps ops(c.step, unnamed);
        const FileResult result = saveGame(played.game.world, path, ops);
        EXPECT_EQ(result.describe(), c.why) << what;
        if (existed) {
          EXPECT_EQ(test::readBytes(path), old) << what;
          EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"}) << what;
        } else {
          EXPECT_EQ(folder.entries(), std::vector<std::string>{}) << what;
        }
        std::filesystem::remove(path);
      }
}

TEST(SaveToDisk, WithOrWithoutUnnamedFilesASaveLeavesOnlyItsFile) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  const std::string bytes = encodeSave(played.game.world).value();
  for (const bool unnamed : {true, false})
    for (const bool existed : {false, true}) {
      if (existed) test::writeBytes(path, "old");
      FailingOps ops(FailingOps::Step::None, unnamed);
      EXPECT_TRUE(saveGame(played.game.world, path, ops)) << unnamed << existed;
      EXPECT_EQ(test::readBytes(path), bytes) << unnamed << existed;
      EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"}) << unnamed << existed;
      std::filesystem::remove(path);
    }
}

TEST(SaveToDisk, PartialAndInterruptedWritesStillCompleteTheFile) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("slow.klb");
  TrickleOps ops;
  ASSERT_TRUE(saveGame(played.game.world, path, ops));
  EXPECT_EQ(test::readBytes(path), encodeSave(played.game.world).value());
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"slow.klb"});
}

TEST(SaveToDisk, MissingFolderShowsTheSaveMessageSaysWhyOnStandardErrorAndCreatesNothing) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("no such folder/game.klb");
  testing::internal::CaptureStderr();
  saveGameAs(played.game, path);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "klebony: saving " + path + " failed: finding the folder: No such file or directory\n");
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{kSaveMessage});
  EXPECT_TRUE(folder.entries().empty());
}

TEST(SaveToDisk, NameTheCodePageCannotHoldShowsTheSaveMessageAndKeepsTheOldFile) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  test::writeBytes(path, "old");
  played.game.world.organisms[kPlayer].name = "Zoë";
  testing::internal::CaptureStderr();
  saveGameAs(played.game, path);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "klebony: saving " + path + " failed: a name the file cannot hold (encoding the game)\n");
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{kSaveMessage});
  EXPECT_EQ(test::readBytes(path), "old");
}

TEST(SaveToDisk, OnlyRegularFilesAreReplaced) {
  Played played;
  test::TempFolder folder;
  std::filesystem::create_directory(folder.file("a folder"));
  ASSERT_EQ(::mkfifo(folder.file("a pipe").c_str(), 0600), 0);
  EXPECT_EQ(saveGame(played.game.world, folder.file("a folder")).describe(),
            "not a regular file (checking the file)");
  EXPECT_EQ(saveGame(played.game.world, folder.file("a pipe")).describe(),
            "not a regular file (checking the file)");
  EXPECT_FALSE(saveGame(played.game.world, folder.path() + "/"));
  EXPECT_FALSE(saveGame(played.game.world, folder.path() + "/."));
  EXPECT_FALSE(saveGame(played.game.world, ""));
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a folder", "a pipe"}));
  EXPECT_TRUE(std::filesystem::is_fifo(folder.file("a pipe")));
}

TEST(SaveToDisk, ReplacingKeepsPermissionsAndSymbolicLinks) {
  Played played;
  test::TempFolder folder;
  const std::string bytes = encodeSave(played.game.world).value();
  const std::string real = folder.file("real.klb");
  test::writeBytes(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 02640), 0);
  std::filesystem::create_directory(folder.file("sub"));
  std::filesystem::create_symlink("real.klb", folder.file("link.klb"));
  std::filesystem::create_symlink("../link.klb", folder.file("sub/chain.klb"));  // relative to its own folder
  std::filesystem::create_symlink("sub/../real.klb", folder.file("dots.klb"));
  std::filesystem::create_symlink("not yet.klb", folder.file("dangling.klb"));
  for (const char* name : {"link.klb", "sub/chain.klb", "dots.klb"}) {
    test::writeBytes(real, "old");
    ASSERT_TRUE(saveGame(played.game.world, folder.file(name))) << name;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file(name))) << name;
    EXPECT_EQ(test::readBytes(real), bytes) << name;
    struct stat st = {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 02640u) << name;
  }
  // A link to a file not there yet makes the file, as writing through it would.
  ASSERT_TRUE(saveGame(played.game.world, folder.file("dangling.klb")));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.file("dangling.klb")));
  EXPECT_EQ(test::readBytes(folder.file("not yet.klb")), bytes);
  std::filesystem::create_symlink("loop.klb", folder.file("loop.klb"));
  EXPECT_EQ(saveGame(played.game.world, folder.file("loop.klb")).describe(),
            "following the link: Too many levels of symbolic links");
}

TEST(SaveToDisk, PathsFarLongerThan256BytesWork) {
  Played played;
  test::TempFolder folder;
  std::string path = folder.path();
  for (int i = 0; i < 6; ++i) path += "/" + std::string(120, 'a' + i);
  std::filesystem::create_directories(path);
  path += "/" + std::string(200, 'k') + ".klb";
  ASSERT_GT(path.size(), 900u);
  saveGameAs(played.game, path);
  const World saved = played.game.world;
  Game other;
  test::startNewGame(other);
  openSavedGame(other, path);
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{});
  EXPECT_EQ(other.world.organisms, saved.organisms);
}

// Regression: a save once wrote paths the loader cannot open (longer than
// PATH_MAX), and a NUL byte cut the name short.
TEST(SaveToDisk, PathsTheLoaderCannotOpenAreRefused) {
  Played played;
  test::TempFolder folder;
  std::string deep = folder.path();
  int at = ::open(deep.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  while (deep.size() < PATH_MAX) {  // made one folder at a time: too long for mkdir by path
    const std::string name(120, 'd');
    ASSERT_EQ(::mkdirat(at, name.c_str(), 0700), 0);
    const int next = ::openat(at, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ::close(at);
    at = next;
    deep += "/" + name;
  }
  EXPECT_EQ(saveGame(played.game.world, deep + "/game.klb").describe(),
            "checking the file: File name too long");
  EXPECT_EQ(::faccessat(at, "game.klb", F_OK, 0), -1);
  ::close(at);
  const std::string cut = folder.file(std::string("game.klb\0.txt", 13));
  EXPECT_EQ(saveGame(played.game.world, cut).describe(), "not a file name (checking the file)");
  EXPECT_EQ(loadGame(played.game, cut).describe(), "not a file name (opening)");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{std::string(120, 'd')});
}

TEST(LoadFromDisk, SavedGameLoadsBackAndTheWindowFollowsIt) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  saveGameAs(played.game, path);
  ASSERT_TRUE(played.rec.lines.empty());
  const World saved = played.game.world;

  Game game;
  test::Recorder rec;
  game.outcomes = &rec;
  test::startNewGame(game);
  toggleMutationMode(game);  // saved or not, a loaded game starts with the mode off
  game.window.helpVisible = true;
  game.window.hoverX = 7;
  rec.lines.clear();
  testing::internal::CaptureStderr();
  openSavedGame(game, path);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_EQ(game.world.organisms, saved.organisms);
  EXPECT_EQ(game.world.turn, 1234);
  EXPECT_TRUE(game.world.gameReady);
  EXPECT_FALSE(game.window.mutationMode);
  EXPECT_TRUE(game.window.turnButtonEnabled);
  EXPECT_EQ(game.window.mutationButtonCaption, "Мутация +");
  EXPECT_EQ(game.window.turnButtonCaption, "Ход 1235");
  EXPECT_FALSE(game.window.helpVisible);
  EXPECT_EQ(game.window.hoverX, 7);  // the hovered cell keeps its place
  EXPECT_EQ(game.window.panel.name, "Ёжик №1");
  EXPECT_EQ(test::readBytes(path), encodeSave(game.world).value());
}

TEST(LoadFromDisk, EachFailureNamesItsStep) {
  test::TempFolder folder;
  Game source;
  test::startNewGame(source);
  const std::string good = encodeSave(source.world).value();
  test::writeBytes(folder.file("short.klb"), good.substr(0, 6000));
  test::writeBytes(folder.file("huge.klb"), std::string(kMaxSaveBytes + 1, '\0'));
  std::filesystem::create_directory(folder.file("folder.klb"));
  Game game;
  test::startNewGame(game);
  EXPECT_EQ(loadGame(game, folder.file("missing.klb")).describe(), "opening: No such file or directory");
  EXPECT_EQ(loadGame(game, folder.file("short.klb")).describe(), "not a saved game (checking the contents)");
  EXPECT_EQ(loadGame(game, folder.file("huge.klb")).describe(),
            "longer than any saved game (checking the contents)");
  EXPECT_EQ(loadGame(game, folder.file("folder.klb")).describe(), "not a regular file (reading)");
  EXPECT_EQ(
      failureLine("loading", folder.file("new\nline.klb"), loadGame(game, folder.file("new\nline.klb"))),
      "klebony: loading " + folder.path() + "/new\\x0aline.klb failed: opening: No such file or directory");
}

TEST(LoadFromDisk, UnreadableOrUnsoundFilesShowTheOpenMessageAndChangeNothing) {
  test::TempFolder folder;
  Game source;
  test::startNewGame(source);
  std::string damaged = encodeSave(source.world).value();
  damaged[5184 + 4] = 0;  // Зеномиус's nameLength 0
  test::writeBytes(folder.file("damaged.klb"), damaged);
  test::writeBytes(folder.file("short.klb"), encodeSave(source.world).value().substr(0, 6000));
  test::writeBytes(folder.file("huge.klb"), std::string(1 << 20, '\0'));
  test::writeBytes(folder.file("empty.klb"), "");
  std::filesystem::create_directory(folder.file("folder.klb"));
  ASSERT_EQ(::mkfifo(folder.file("pipe.klb").c_str(), 0600), 0);  // must not block

  for (const char* name :
       {"missing.klb", "damaged.klb", "short.klb", "huge.klb", "empty.klb", "folder.klb", "pipe.klb", ""}) {
    Played played;
    toggleMutationMode(played.game);
    played.game.random.queue(4);
    played.rec.lines.clear();
    const World world = played.game.world;
    const WindowState window = played.game.window;
    const Random random = played.game.random;
    testing::internal::CaptureStderr();
    openSavedGame(played.game, *name ? folder.file(name) : std::string());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("klebony: loading ", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.back(), '\n') << said;
    EXPECT_EQ(played.rec.lines, std::vector<std::string>{kOpenMessage}) << name;
    EXPECT_TRUE(played.game.world == world) << name;
    EXPECT_EQ(played.game.window, window) << name;
    EXPECT_TRUE(test::sameDraws(played.game.random, random)) << name;
  }
}

}  // namespace
}  // namespace klebony
