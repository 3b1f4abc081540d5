#pragma once
// "Сохранить" and "Загрузить" once the dialog has confirmed a path.
#include <string>

#include "game.h"

namespace klebony {

void MSaveClick(Game& game, const std::string& path);
void MOpenClick(Game& game, const std::string& path);

}  // namespace klebony
