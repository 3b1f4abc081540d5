#include "commands.h"

#include "rules.h"
#include "saveload.h"

namespace klebony {

void MSaveClick(Game& game, const std::string& path) {
  if (!saveGame(game.world, path)) game.out().showMessage("Файл не удается создать... :(");
}

void MOpenClick(Game& game, const std::string& path) {
  if (!loadGame(game, path)) {
    game.out().showMessage("Файл не удается открыть... :(");
    return;
  }
  gameLoaded(game);
}

}  // namespace klebony
