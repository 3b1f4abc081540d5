#include "driver.h"
#include <algorithm>

#include <charconv>
#include <sstream>
#include <vector>

#include "commands.h"
#include "cp1251.h"
#include "json.h"
#include "mutation.h"
#include "panel.h"
#include "rules.h"

namespace klebony::headless {

namespace {

constexpr int64_t kRepeatLimit = 1000000;
// The labels of the characteristics panel that a script may click or hover:
// the captions, Label18 and the key legend. Label1 and Label2 are headings and
// Label29 is the help panel's title.
constexpr int kFirstPanelLabel = 3;
constexpr int kLastPanelLabel = 28;

std::vector<std::string> split(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

int64_t parseInt(const std::string& token, const char* what) {
  int64_t v = 0;
  const char* end = token.data() + token.size();
  auto [ptr, ec] = std::from_chars(token.data(), end, v);
  if (ec != std::errc() || ptr != end || token.empty())
    throw ScriptError(std::string("bad ") + what + " '" + token + "'");
  return v;
}

void expectArgs(const std::vector<std::string>& words, std::size_t n) {
  if (words.size() != n + 1)
    throw ScriptError(words[0] + " takes " + std::to_string(n) + " argument" + (n == 1 ? "" : "s"));
}

// A cell coordinate as the board pixel of the cell's corner. A cell off the
// board becomes a pixel just outside it, which the board ignores like the
// window ignores a pointer dragged beyond its edge.
int boardPixel(const std::string& token) {
  int64_t v = parseInt(token, "coordinate");
  v = std::clamp<int64_t>(v, -1, kBoardSize);
  return static_cast<int>(v) * kCellPixels;
}

int panelLabel(const std::string& name) {
  auto number = panelLabelNumber(name);
  if (!number || *number < kFirstPanelLabel || *number > kLastPanelLabel)
    throw ScriptError("unknown panel label '" + name + "'");
  return *number;
}

// The rest of the line after the command word and one blank.
std::string restOfLine(const std::string& line, const std::string& command) {
  std::size_t start = line.find(command) + command.size();
  return start < line.size() ? line.substr(start + 1) : std::string();
}

}  // namespace

void Printer::playSound(Sound sound, SoundMode) { out_ << "sound " << soundFile(sound) << '\n'; }
void Printer::showMessage(const std::string& text) { out_ << "message " << text << '\n'; }
void Printer::statusShown(const std::string& text) { out_ << "status " << text << '\n'; }
void Printer::endGame() { out_ << "endgame\n"; }

Driver::Driver(std::ostream& out, std::ostream& err) : out_(out), err_(err), printer_(out) {
  game_.outcomes = &printer_;
  game_.random.seedFromClock();
}

void Driver::execute(const std::string& line) {
  const std::vector<std::string> words = split(line);
  if (words.empty()) return;
  const std::string& cmd = words[0];
  if (cmd == "seed") {
    expectArgs(words, 1);
    game_.random.seed(static_cast<uint64_t>(parseInt(words[1], "seed")));
  } else if (cmd == "draws") {
    if (words.size() < 2) throw ScriptError("draws needs at least one value");
    // Check the whole line before queueing any of it.
    std::vector<std::pair<int64_t, int64_t>> values;
    for (std::size_t i = 1; i < words.size(); ++i) {
      const std::string& w = words[i];
      std::size_t star = w.find('*');
      int64_t v = parseInt(w.substr(0, star), "draw");
      int64_t k = star == std::string::npos ? 1 : parseInt(w.substr(star + 1), "repeat count");
      if (k < 0 || k > kRepeatLimit) throw ScriptError("repeat count of '" + w + "' out of range");
      values.emplace_back(v, k);
    }
    for (auto [v, k] : values)
      for (int64_t j = 0; j < k; ++j) game_.random.queue(v);
  } else if (cmd == "name") {
    std::string text = restOfLine(line, cmd);
    // The name dialog's own rule: what its edit box would take.
    if (!acceptableName(text))
      throw ScriptError("name longer than 15 characters or with characters a saved game cannot hold");
    game_.window.eName = text;
  } else if (cmd == "newgame") {
    expectArgs(words, 0);
    // As after "Игра": the start screen has cleared gameReady, so the
    // window's activation sets up a new game.
    gameWindowClosed(game_);
    activateGameWindow(game_);
  } else if (cmd == "hover" || cmd == "click") {
    expectArgs(words, 2);
    int px = boardPixel(words[1]), py = boardPixel(words[2]);
    if (cmd == "hover")
      GameBoxMouseMove(game_, px, py);
    else
      GameBoxMouseDown(game_, px, py);
  } else if (cmd == "turn") {
    expectArgs(words, 0);
    endTurn(game_);
  } else if (cmd == "mutation") {
    expectArgs(words, 0);
    toggleMutationMode(game_);
  } else if (cmd == "caption" || cmd == "hint") {
    expectArgs(words, 1);
    int number = panelLabel(words[1]);
    if (cmd == "caption")
      onCaptionClick(game_, number);
    else
      onCaptionHover(game_, number);
  } else if (cmd == "save" || cmd == "load") {
    std::string path = restOfLine(line, cmd);
    if (path.empty()) throw ScriptError(cmd + " needs a path");
    if (cmd == "save")
      MSaveClick(game_, path);
    else
      MOpenClick(game_, path);
  } else if (cmd == "menu") {
    expectArgs(words, 0);
    N2Click(game_);
  } else if (cmd == "tick") {
    expectArgs(words, 1);
    if (words[1] == "T1")
      T1Timer(game_);
    else if (words[1] == "T2")
      T2Timer(game_);
    else
      throw ScriptError("unknown timer '" + words[1] + "'");
  } else if (cmd == "dump") {
    expectArgs(words, 0);
    out_ << dumpJson(game_) << '\n';
  } else {
    throw ScriptError("unknown command '" + cmd + "'");
  }
}

int Driver::fail(int line, const char* what) {
  out_.flush();
  err_ << "error: line " << line << ": " << what << '\n';
  return 2;
}

int Driver::run(std::istream& script) {
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Editors on Windows like to start UTF-8 files with a byte-order mark.
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    try {
      execute(line.substr(first));
    } catch (const ScriptError& e) {
      return fail(number, e.what());
    } catch (const ScriptedDrawError& e) {
      return fail(number, e.what());
    }
  }
  out_.flush();
  return 0;
}

}  // namespace klebony::headless
