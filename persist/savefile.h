// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a saved game and the state they hold. Decoding checks the
// whole file before anything of the running game is touched.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/random.h"
#include "core/world.h"

namespace klebony {

inline constexpr std::size_t kBoardBytes = 4 * kBoardSize * kBoardSize;
inline constexpr std::size_t kBlockBytesWithoutName = 260;
inline constexpr int32_t kMaxNameLength = 256;  // terminating zero included
inline constexpr std::size_t kMinSaveBytes = kBoardBytes + kOrganismCount * (kBlockBytesWithoutName + 1) + 4;
inline constexpr std::size_t kMaxSaveBytes =
    kBoardBytes + kOrganismCount * (kBlockBytesWithoutName + kMaxNameLength) + 4;

// Everything a file stores: the owners, the five records (names in UTF-8) and the turn.
struct SavedGame {
  std::array<std::array<int32_t, kBoardSize>, kBoardSize> owners{};  // [x][y]
  std::array<Organism, kOrganismCount> organisms{};
  int32_t turn = 0;
};

// The file's bytes for the world; nothing when a name cannot be written
// (not Windows-1251, a zero inside, or longer than 255 bytes).
std::optional<std::string> encodeSave(const World& world);
// The state a file holds, or nothing when the file is not one a game can write.
std::optional<SavedGame> decodeSave(std::string_view bytes);
// Puts a decoded game in place of the running one: the board reset with its
// draws, the owners, the records, the turn, then the player's sight.
void applySave(World& world, Random& random, const SavedGame& saved);
// decodeSave, then applySave; a refused file leaves world and random untouched.
bool loadGameFromBytes(World& world, Random& random, std::string_view bytes);

}  // namespace klebony
