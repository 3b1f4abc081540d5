// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/savefile.h"

#include <utility>

#include "core/characteristics.h"
#include "persist/cp1251.h"

namespace klebony {
namespace {

class Writer {
 public:
  void i32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out_ += static_cast<char>((u >> shift) & 0xFF);
  }
  void flag(bool b) { i32(b ? 1 : 0); }
  void bytes(std::string_view s) { out_ += s; }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

// Reads forward; every read fails once the bytes run out, and then stays failed.
class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool i32(int32_t& v) {
    if (in_.size() - pos_ < 4) return false;
    uint32_t u = 0;
    for (int k = 0; k < 4; ++k)
      u |= static_cast<uint32_t>(static_cast<unsigned char>(in_[pos_ + k])) << (8 * k);
    pos_ += 4;
    v = static_cast<int32_t>(u);
    return true;
  }
  bool flag(bool& b) {
    int32_t v = 0;
    if (!i32(v) || (v != 0 && v != 1)) return false;
    b = v == 1;
    return true;
  }
  bool bytes(std::size_t n, std::string_view& s) {
    if (in_.size() - pos_ < n) return false;
    s = in_.substr(pos_, n);
    pos_ += n;
    return true;
  }
  bool atEnd() const { return pos_ == in_.size(); }

 private:
  std::string_view in_;
  std::size_t pos_ = 0;
};

// One organism's block, field by field in the file's order (kOrganismFields),
// the same walk for the reader and the writer.
template <typename Io, typename O>
bool block(Io& io, O& o) {
  for (const OrganismField& f : kOrganismFields) {
    bool ok = true;
    switch (f.kind) {
      case FieldKind::Flag:
        ok = io.flag(o.*f.flag);
        break;
      case FieldKind::Number:
        ok = io.i32(o.*f.number);
        break;
      case FieldKind::Name:
        ok = io.name(o.name);
        break;
      case FieldKind::TentacleSlots:
        for (auto& t : o.tentacles) ok = ok && io.flag(t.active) && io.i32(t.travel);
        break;
    }
    if (!ok) return false;
  }
  return true;
}

// Lets `block` drive the writer. A name that Windows-1251 cannot hold, or
// that is too long, fails the save.
struct WriteIo {
  Writer& w;
  bool i32(int32_t v) { return w.i32(v), true; }
  bool flag(bool b) { return w.flag(b), true; }
  bool name(const std::string& utf8) {
    const auto cp1251 = utf8ToCp1251(utf8);
    if (!cp1251 || cp1251->find('\0') != std::string::npos ||
        cp1251->size() >= static_cast<std::size_t>(kMaxNameLength))
      return false;
    w.i32(static_cast<int32_t>(cp1251->size() + 1));
    w.bytes(*cp1251);
    w.bytes(std::string_view("\0", 1));
    return true;
  }
};

// Its length with the zero, its bytes, one zero byte.
bool readName(Reader& r, std::string& name) {
  int32_t length = 0;
  std::string_view raw;
  if (!r.i32(length) || length < 1 || length > kMaxNameLength) return false;
  if (!r.bytes(static_cast<std::size_t>(length), raw)) return false;
  // One zero byte, at the end: a zero earlier would hide the rest of the
  // name, and a file whose bytes do not all count is not one the game wrote.
  if (raw.back() != '\0' || raw.find('\0') != raw.size() - 1) return false;
  raw.remove_suffix(1);
  // 0x98 has no character; such a name could never be saved back.
  if (raw.find('\x98') != std::string_view::npos) return false;
  name = cp1251ToUtf8(raw);
  return true;
}

// Lets `block` drive the reader.
struct ReadIo {
  Reader& r;
  bool i32(int32_t& v) { return r.i32(v); }
  bool flag(bool& b) { return r.flag(b); }
  bool name(std::string& name) { return readName(r, name); }
};

// What a game can hold between two events of the game window; a file outside
// it is refused whole. The limits come from the rules, not from taste:
//  - owner 0..5; each organism's `size` equals the cells it owns (captures
//    and lost battles keep it so), and `alive` is true exactly when it owns a
//    cell: the end of turn counts it so, and a battle clears it when the last
//    cell goes. A live organism without cells would hang its capture draw.
//  - every characteristic between its lowest level (`lowestLevel`: its
//    new-game level, or the floor a tentacle stops at) and its `limit`, both
//    from the characteristics table (most have no limit: mutation takes
//    aggression past its own growth's end); the tentacle count equals the
//    active slots; `travel` >= 0 (it grows without bound once no opponent is
//    left).
//  - `hp` >= 10, as it is only ever set to 10 x vitality and never lowered
//    (it may well exceed 10 x vitality after a sabotage); battles won >= 0.
//  - amino acids >= 0 with no upper bound: the 900000 cap applies only at the
//    income, and lost attacks (+5000) and sabotage (+1000) add to it between.
//  - `mutated` and `captured` only ever set for the player.
//  - booleans exactly 0 or 1; `turn` >= 0; names 1..256 bytes with their
//    zero; nothing after `turn`.
bool plausible(const Organism& o, int k, int cellsOwned) {
  if (k != kPlayer && (o.mutated || o.captured)) return false;
  if (o.size != cellsOwned || o.alive != (cellsOwned > 0)) return false;
  if (o.aminoAcids < 0 || o.hp < 10 || o.battlesWon < 0) return false;
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    const int32_t value = level(o, c.id);
    if (value < lowestLevel(c.id) || value > c.limit) return false;
  }
  int active = 0;
  for (const auto& t : o.tentacles) {
    if (t.travel < 0) return false;
    active += t.active ? 1 : 0;
  }
  return o.tentacleCount == active;
}

// A game ends within the event that decides it: the player's last cell lost,
// or no computer organism left. A decided world is never there to be saved,
// and one loaded would play on for ever with nobody to win or lose.
bool stillPlayed(const SavedGame& saved) {
  if (!saved.organisms[kPlayer].alive) return false;
  for (int k = 0; k < kOpponentCount; ++k)
    if (saved.organisms[k].alive) return true;
  return false;
}

}  // namespace

std::optional<std::string> encodeSave(const World& world) {
  Writer w;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) w.i32(world.cell(x, y).owner);
  WriteIo io{w};
  for (const Organism& o : world.organisms)
    if (!block(io, o)) return std::nullopt;
  w.i32(world.turn);
  return w.take();
}

std::optional<SavedGame> decodeSave(std::string_view bytes) {
  if (bytes.size() < kMinSaveBytes || bytes.size() > kMaxSaveBytes) return std::nullopt;
  SavedGame saved;
  Reader r(bytes);
  std::array<int, kOrganismCount> owned{};
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      int32_t& owner = saved.owners[x][y];
      if (!r.i32(owner) || owner < 0 || owner > kFree) return std::nullopt;
      if (owner != kFree) ++owned[owner];
    }
  ReadIo io{r};
  for (int k = 0; k < kOrganismCount; ++k) {
    Organism& o = saved.organisms[k];
    if (!block(io, o)) return std::nullopt;
    if (!plausible(o, k, owned[k])) return std::nullopt;
  }
  if (!r.i32(saved.turn) || saved.turn < 0 || !r.atEnd()) return std::nullopt;
  if (!stillPlayed(saved)) return std::nullopt;
  return saved;
}

void applySave(World& world, Random& random, const SavedGame& saved) {
  // The same reset and draws as a new game's board, so the cells animate alike.
  resetBoard(world, random);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      world.cell(x, y).owner = saved.owners[x][y];
      assignStrip(world, x, y, saved.owners[x][y]);
    }
  world.organisms = saved.organisms;
  world.turn = saved.turn;
  recomputeVisibility(world);
}

bool loadGameFromBytes(World& world, Random& random, std::string_view bytes) {
  const auto saved = decodeSave(bytes);
  if (!saved) return false;
  // Built aside and moved in, so nothing half-loaded is ever seen.
  World next = world;
  applySave(next, random, *saved);
  world = std::move(next);
  return true;
}

}  // namespace klebony
