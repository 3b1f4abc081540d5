#include "commands.h"

namespace klebony {

// Placeholder until the saved game file lands.
void MSaveClick(Game& game, const std::string&) { game.out().showMessage("Файл не удается создать... :("); }
void MOpenClick(Game& game, const std::string&) { game.out().showMessage("Файл не удается открыть... :("); }

}  // namespace klebony
