// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/headless/driver.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "core/mutation.h"
#include "core/panel.h"
#include "core/rules.h"
#include "persist/commands.h"
#include "persist/cp1251.h"
#include "tools/headless/json.h"
#include "tools/headless/protocol_names.h"

namespace klebony::headless {

namespace {

// Bounds on what a script may make the driver hold, so that no script can
// exhaust its memory: queued draws are kept as runs, and lines are read only
// up to a length.
constexpr int64_t kRepeatLimit = 1000000;
constexpr int64_t kQueuedDrawLimit = 100000000;
constexpr std::size_t kLineLimit = 64 * 1024;

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
    throw ScriptError(std::string("bad ") + what + " '" + printable(token) + "'");
  return v;
}

void expectArgs(const std::vector<std::string>& words, std::size_t n) {
  if (words.size() != n + 1)
    throw ScriptError(words[0] + " takes " + std::to_string(n) + " argument" + (n == 1 ? "" : "s"));
}

// A cell coordinate; one far off the board stays off it.
int cellCoordinate(const std::string& token) {
  const int64_t v = parseInt(token, "coordinate");
  return static_cast<int>(std::clamp<int64_t>(v, -1, kBoardSize));
}

// What a panel label stands for; nothing for a label with no handling.
std::optional<PanelItem> panelLabel(const std::string& name) {
  const PanelLabelName* row = panelLabelNamed(name);
  if (!row) throw ScriptError("unknown panel label '" + printable(name) + "'");
  return row->item;
}

// The rest of the line after the command word and one blank.
std::string restOfLine(const std::string& line, const std::string& command) {
  std::size_t start = line.find(command) + command.size();
  return start < line.size() ? line.substr(start + 1) : std::string();
}

// One line of at most `limit` bytes; false at the end of the input. A longer
// line throws, without reading the rest of it into memory.
bool readLine(std::istream& in, std::string& line, std::size_t limit) {
  line.clear();
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (c == '\n') return true;
    if (line.size() == limit) throw ScriptError("line longer than " + std::to_string(limit) + " bytes");
    line += static_cast<char>(c);
  }
  return !line.empty();
}

// What one command line hands to its command.
struct Line {
  Game& game;
  std::ostream& out;
  const std::vector<std::string>& words;
  const std::string& text;
};

void queueDraws(const Line& l) {
  if (l.words.size() < 2) throw ScriptError("draws needs at least one value");
  // Check the whole line before queueing any of it.
  std::vector<std::pair<int64_t, int64_t>> values;
  int64_t total = l.game.random.queued();
  for (std::size_t i = 1; i < l.words.size(); ++i) {
    const std::string& w = l.words[i];
    std::size_t star = w.find('*');
    int64_t v = parseInt(w.substr(0, star), "draw");
    int64_t k = star == std::string::npos ? 1 : parseInt(w.substr(star + 1), "repeat count");
    if (k < 0 || k > kRepeatLimit) throw ScriptError("repeat count of '" + printable(w) + "' out of range");
    total += k;
    if (total > kQueuedDrawLimit)
      throw ScriptError("more than " + std::to_string(kQueuedDrawLimit) + " draws queued");
    values.emplace_back(v, k);
  }
  for (auto [v, k] : values) l.game.random.queue(v, k);
}

// A command word without arguments that runs one rule.
template <void (*rule)(Game&)>
void plainRule(const Line& l) {
  expectArgs(l.words, 0);
  rule(l.game);
}

// A command on a cell: hover or click.
template <void (*rule)(Game&, int, int)>
void cellRule(const Line& l) {
  expectArgs(l.words, 2);
  const int x = cellCoordinate(l.words[1]);
  const int y = cellCoordinate(l.words[2]);
  rule(l.game, x, y);
}

// A command on a panel label: hint or caption.
template <class Rule>
void panelRule(const Line& l, Rule rule) {
  expectArgs(l.words, 1);
  if (const std::optional<PanelItem> item = panelLabel(l.words[1])) rule(l.game, *item);
}

// A command on a file: the rest of the line is the path.
template <void (*rule)(Game&, const std::string&)>
void fileRule(const Line& l) {
  const std::string path = restOfLine(l.text, l.words[0]);
  if (path.empty()) throw ScriptError(l.words[0] + " needs a path");
  // No file dialog returns one; cut at it, the path would name another file.
  if (path.find('\0') != std::string::npos) throw ScriptError(l.words[0] + " path with a NUL byte");
  rule(l.game, path);
}

void setName(const Line& l) {
  std::string text = restOfLine(l.text, l.words[0]);
  // The name dialog's own rule: what its edit box would take.
  if (!acceptableName(text))
    throw ScriptError("name longer than 15 characters or with characters a saved game cannot hold");
  l.game.window.playerName = text;
}

void startNewGame(Game& game) {
  // As after "Игра": back from the start screen, the game window's showing
  // sets up a new game.
  leaveGame(game);
  enterGame(game);
}

void tick(const Line& l) {
  expectArgs(l.words, 1);
  for (const TimerName& timer : kTimerNames)
    if (l.words[1] == timer.name) return timer.expire(l.game);
  throw ScriptError("unknown timer '" + printable(l.words[1]) + "'");
}

struct Command {
  std::string_view word;
  void (*run)(const Line&);
};

const Command kCommands[] = {
    {"seed",
     [](const Line& l) {
       expectArgs(l.words, 1);
       l.game.random.seed(static_cast<uint64_t>(parseInt(l.words[1], "seed")));
     }},
    {"draws", queueDraws},
    {"name", setName},
    {"newgame", plainRule<startNewGame>},
    {"hover", cellRule<inspectCell>},
    {"click", cellRule<reachForCell>},
    {"turn", plainRule<endTurn>},
    {"mutation", plainRule<toggleMutationMode>},
    {"caption", [](const Line& l) { panelRule(l, clickPanelItem); }},
    {"hint", [](const Line& l) { panelRule(l, hoverPanelItem); }},
    {"save", fileRule<saveGameAs>},
    {"load", fileRule<openSavedGame>},
    {"menu", plainRule<returnToMenu>},
    {"tick", tick},
    {"dump",
     [](const Line& l) {
       expectArgs(l.words, 0);
       l.out << dumpJson(l.game) << '\n';
     }},
};

}  // namespace

std::string printable(std::string_view token) {
  std::string out;
  auto escape = [&out](unsigned char b) {
    static const char* const hex = "0123456789abcdef";
    out += "\\x";
    out += hex[b >> 4];
    out += hex[b & 15];
  };
  std::size_t i = 0;
  while (i < token.size()) {
    const auto b = static_cast<unsigned char>(token[i]);
    // The length of a well-formed UTF-8 sequence starting here, or 0.
    std::size_t n = b < 0x80                 ? 1
                    : b >= 0xC2 && b <= 0xDF ? 2
                    : b >= 0xE0 && b <= 0xEF ? 3
                    : b >= 0xF0 && b <= 0xF4 ? 4
                                             : 0;
    if (n > token.size() - i) n = 0;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(token[i + k]) & 0xC0) != 0x80) n = 0;
    // Overlong forms and surrogates are not characters either.
    if (n == 3) {
      const auto b1 = static_cast<unsigned char>(token[i + 1]);
      if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 >= 0xA0)) n = 0;
    } else if (n == 4) {
      const auto b1 = static_cast<unsigned char>(token[i + 1]);
      if ((b == 0xF0 && b1 < 0x90) || (b == 0xF4 && b1 >= 0x90)) n = 0;
    }
    const bool control = n == 1 ? (b < 0x20 || b == 0x7F || b == '\\')
                                : n == 2 && b == 0xC2 && static_cast<unsigned char>(token[i + 1]) < 0xA0;
    if (n == 0 || control) {
      for (std::size_t k = 0; k < std::max<std::size_t>(n, 1); ++k)
        escape(static_cast<unsigned char>(token[i + k]));
      i += std::max<std::size_t>(n, 1);
      continue;
    }
    out.append(token.substr(i, n));
    i += n;
  }
  return out;
}

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
  for (const Command& command : kCommands)
    if (words[0] == command.word) return command.run({game_, out_, words, line});
  throw ScriptError("unknown command '" + printable(words[0]) + "'");
}

int Driver::fail(int64_t line, const char* what) {
  out_.flush();
  err_ << "error: line " << line << ": " << what << '\n';
  return 2;
}

int Driver::run(std::istream& script) {
  std::string line;
  // 64 bits: a script fed from a pipe may run for longer than any int counts.
  for (int64_t number = 1;; ++number) {
    try {
      if (!readLine(script, line, kLineLimit)) break;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      // Editors on Windows like to start UTF-8 files with a byte-order mark.
      if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
      std::size_t first = line.find_first_not_of(" \t");
      if (first == std::string::npos || line[first] == '#') continue;
      execute(line.substr(first));
    } catch (const ScriptError& e) {
      return fail(number, e.what());
    } catch (const ScriptedDrawError& e) {
      return fail(number, e.what());
    } catch (const std::bad_alloc&) {
      return fail(number, "out of memory");
    }
  }
  out_.flush();
  return 0;
}

int Driver::runFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    err_ << "error: " << printable(path) << " is not a regular file\n";
    return 2;
  }
  std::ifstream script(path);
  if (!script) {
    err_ << "error: cannot open " << printable(path) << '\n';
    return 2;
  }
  return run(script);
}

}  // namespace klebony::headless
