#pragma once
// The game window's main menu: "Игра", "Команды", "Помощь". The actions keep
// their widget names (MOpen, N2 ...), which tests look up.
#include <QAction>

class QMenuBar;

namespace klebony {

struct GameMenu {
  QAction* load = nullptr;        // "Загрузить"
  QAction* save = nullptr;        // "Сохранить"
  QAction* backToMenu = nullptr;  // "Меню"
  QAction* quit = nullptr;        // "Выход"
  QAction* mutation = nullptr;    // "Мутировать +"
  QAction* endTurn = nullptr;     // "Ход"
  QAction* help = nullptr;        // "Справка"
  QAction* about = nullptr;       // "О программе"
};

GameMenu buildGameMenu(QMenuBar* bar);

}  // namespace klebony
