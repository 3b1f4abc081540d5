#pragma once
// The game's operations, as the game window's handlers call them.
#include <string>

#include "game.h"

namespace klebony {

// ---- new game
void newGame(Game& game);
// The game window's activation: a new game while gameReady is false.
void activateGameWindow(Game& game);
// The start screen, when the game window has closed: the next "Игра" starts anew.
void gameWindowClosed(Game& game);

// ---- end of turn (HODClick, the menu item "Ход", the key H)
void endTurn(Game& game);
void tentacleStep(Game& game, int k);
void aggressionGrowth(Game& game, int k);

// ---- the computer organisms and tentacles
void opponentTurn(Game& game, int k);
void sabotage(Game& game, int source, int slot);

// ---- battle: returns the winner's index
int battle(Game& game, int attacker, int defender, bool real);

// ---- the player's hand on the board
void onCellHover(Game& game, int x, int y);
void onCellClick(Game& game, int x, int y);
// Pointer positions in board pixels; positions outside the board are ignored.
void GameBoxMouseMove(Game& game, int px, int py);
void GameBoxMouseDown(Game& game, int px, int py);

// ---- the status area
void showStatus(Game& game, const std::string& text);
void T1Timer(Game& game);
void T2Timer(Game& game);

// ---- the window's commands
void N2Click(Game& game);        // "Меню", Delete, the end of a game
void N10Click(Game& game);       // "Справка", F1: show or hide the help
void BEndHelpClick(Game& game);  // "Закрыть"
// The window brought in line with a game that has just been loaded.
void afterGameLoaded(Game& game);

}  // namespace klebony
