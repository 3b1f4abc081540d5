// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sound effects and the one table that names each one's file.
// The rules report them, the game plays them, the asset generator makes them.
//
// To add a sound: a member of the enumeration and a row of the table (same
// position); the compiler then asks the generator for its recipe
// (tools/assetgen/sounds.cpp), and the game loads and plays it.
#include <array>
#include <cstddef>

namespace klebony {

enum class Sound {
  NewGame,
  TurnClick,
  MutationClick,
  Capture,
  Refused,
  AttackWon,
  AttackLost,
  PlayerDestroyed,
  Sabotaged,
};

struct SoundInfo {
  Sound id;
  // Below the working directory, '/' as separator. The names are the game's
  // own and stay as they are: the package installs them, the driver prints them.
  const char* file;
};

inline constexpr auto kSoundTable = std::to_array<SoundInfo>({
    {Sound::NewGame, "Sound/NewGame.wav"},         // "Игра" on the start screen
    {Sound::TurnClick, "Sound/ClickHod.wav"},      // the end of a turn
    {Sound::MutationClick, "Sound/ClickMut.wav"},  // the mutation mode switched on or off
    {Sound::Capture, "Sound/Zahvat.wav"},          // the player took a free cell
    {Sound::Refused, "Sound/No.wav"},              // a click on the board that does nothing
    {Sound::AttackWon, "Sound/Attak.wav"},         // the player's attack won its battle
    {Sound::AttackLost, "Sound/Smeh_2.wav"},       // the player's attack lost
    {Sound::PlayerDestroyed, "Sound/Smeh_1.wav"},  // a computer organism took the player's last cell
    {Sound::Sabotaged, "Sound/Sabot.wav"},         // a computer organism's tentacle hurt the player
});
inline constexpr int kSoundCount = static_cast<int>(kSoundTable.size());

static_assert(
    [] {
      for (std::size_t i = 0; i < kSoundTable.size(); ++i)
        if (static_cast<std::size_t>(kSoundTable[i].id) != i) return false;
      return true;
    }(),
    "each sound's row sits at its member's position");

// "Sound/ClickHod.wav"; empty for a value outside the enumeration.
constexpr const char* soundFile(Sound sound) {
  const auto index = static_cast<std::size_t>(sound);
  return index < kSoundTable.size() ? kSoundTable[index].file : "";
}

}  // namespace klebony
