#include "saveload.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "commands.h"
#include "mutation.h"
#include "persist_support.h"
#include "rules.h"
#include "savefile.h"

namespace klebony {
namespace {

const char* const kSaveMessage = "message Файл не удается создать... :(";
const char* const kOpenMessage = "message Файл не удается открыть... :(";

struct Played {
  Game game;
  test::Recorder rec;
  Played() {
    game.outcomes = &rec;
    test::makeRichGame(game);
  }
};

// Real file operations, one of which fails the way a disk or a folder can.
class FailingOps : public FileOps {
 public:
  enum class Step { None, Create, ShortWriteThenFull, WriteNothing, DevFull, Fsync, Close, Rename };
  explicit FailingOps(Step step) : step_(step) {}
  int createExclusive(const std::string& path, mode_t mode) override {
    if (step_ == Step::Create) return errno = EACCES, -1;
    const int fd = FileOps::createExclusive(path, mode);
    if (fd >= 0 && step_ == Step::DevFull) {
      // The temporary file exists on disk, but its bytes go to a full device.
      const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
      if (full >= 0) ::dup2(full, fd), ::close(full);
    }
    return fd;
  }
  ssize_t write(int fd, const char* data, size_t size) override {
    if (step_ == Step::WriteNothing) return 0;
    if (step_ == Step::ShortWriteThenFull) {
      if (written_ > 0) return errno = ENOSPC, -1;
      const ssize_t n = FileOps::write(fd, data, size / 2);
      if (n > 0) written_ += n;
      return n;
    }
    return FileOps::write(fd, data, size);
  }
  int fsync(int fd) override { return step_ == Step::Fsync ? (errno = EIO, -1) : FileOps::fsync(fd); }
  int close(int fd) override {
    const int r = FileOps::close(fd);
    return step_ == Step::Close ? (errno = EIO, -1) : r;
  }
  int rename(const std::string& from, const std::string& to) override {
    return step_ == Step::Rename ? (errno = EXDEV, -1) : FileOps::rename(from, to);
  }

 private:
  Step step_;
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

TEST(SaveToDisk, EveryFailingStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
  using Step = FailingOps::Step;
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  const std::string old = "the previous save, whatever it held";
  for (Step step : {Step::Create, Step::ShortWriteThenFull, Step::WriteNothing, Step::DevFull, Step::Fsync,
                    Step::Close, Step::Rename}) {
    test::writeBytes(path, old);
    FailingOps ops(step);
    EXPECT_FALSE(saveGame(played.game.world, path, ops)) << static_cast<int>(step);
    EXPECT_EQ(test::readBytes(path), old) << static_cast<int>(step);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.klb"}) << static_cast<int>(step);
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

TEST(SaveToDisk, MissingFolderShowsTheSaveMessageAndCreatesNothing) {
  Played played;
  test::TempFolder folder;
  MSaveClick(played.game, folder.file("no such folder/game.klb"));
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{kSaveMessage});
  EXPECT_TRUE(folder.entries().empty());
}

TEST(SaveToDisk, NameTheCodePageCannotHoldShowsTheSaveMessageAndKeepsTheOldFile) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  test::writeBytes(path, "old");
  played.game.world.organisms[kPlayer].name = "Zoë";
  MSaveClick(played.game, path);
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{kSaveMessage});
  EXPECT_EQ(test::readBytes(path), "old");
}

TEST(SaveToDisk, OnlyRegularFilesAreReplaced) {
  Played played;
  test::TempFolder folder;
  std::filesystem::create_directory(folder.file("a folder"));
  ASSERT_EQ(::mkfifo(folder.file("a pipe").c_str(), 0600), 0);
  EXPECT_FALSE(saveGame(played.game.world, folder.file("a folder")));
  EXPECT_FALSE(saveGame(played.game.world, folder.file("a pipe")));
  EXPECT_FALSE(saveGame(played.game.world, folder.path() + "/"));
  EXPECT_FALSE(saveGame(played.game.world, ""));
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a folder", "a pipe"}));
  EXPECT_TRUE(std::filesystem::is_fifo(folder.file("a pipe")));
}

TEST(SaveToDisk, ReplacingKeepsPermissionsAndSymbolicLinks) {
  Played played;
  test::TempFolder folder;
  const std::string real = folder.file("real.klb");
  test::writeBytes(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  std::filesystem::create_symlink("real.klb", folder.file("link.klb"));
  ASSERT_TRUE(saveGame(played.game.world, folder.file("link.klb")));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.klb")));
  EXPECT_EQ(test::readBytes(real), encodeSave(played.game.world).value());
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SaveToDisk, PathsFarLongerThan256BytesWork) {
  Played played;
  test::TempFolder folder;
  std::string path = folder.path();
  for (int i = 0; i < 6; ++i) path += "/" + std::string(120, 'a' + i);
  std::filesystem::create_directories(path);
  path += "/" + std::string(200, 'k') + ".klb";
  ASSERT_GT(path.size(), 900u);
  MSaveClick(played.game, path);
  const World saved = played.game.world;
  Game other;
  test::startNewGame(other);
  MOpenClick(other, path);
  EXPECT_EQ(played.rec.lines, std::vector<std::string>{});
  EXPECT_EQ(other.world.organisms, saved.organisms);
}

TEST(LoadFromDisk, SavedGameLoadsBackAndTheWindowFollowsIt) {
  Played played;
  test::TempFolder folder;
  const std::string path = folder.file("game.klb");
  MSaveClick(played.game, path);
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
  MOpenClick(game, path);
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
    MOpenClick(played.game, *name ? folder.file(name) : std::string());
    EXPECT_EQ(played.rec.lines, std::vector<std::string>{kOpenMessage}) << name;
    EXPECT_TRUE(played.game.world == world) << name;
    EXPECT_EQ(played.game.window, window) << name;
    EXPECT_TRUE(test::sameDraws(played.game.random, random)) << name;
  }
}

}  // namespace
}  // namespace klebony
