#pragma once
// Steps shared by the new game, the end of turn and loading.
#include <cstdint>
#include <string>

namespace klebony {

struct Game;
struct World;

// "Ход " and the number of the turn in play; 64 bits so that a loaded
// INT32_MAX still reads one more.
std::string hodCaption(int32_t turn);
// Mutation mode off, BMut "Мутация +", HOD enabled: a new or loaded game.
void resetMutationControls(Game& game);
// True when none of the four computer organisms is alive.
bool allOpponentsGone(const World& world);
// The victory box, then the end of the game.
void announceVictory(Game& game);

}  // namespace klebony
