#pragma once
// The game window's main menu: "Игра", "Команды", "Помощь".
#include <QAction>

class QMenuBar;

namespace klebony {

struct GameMenu {
  QAction* MOpen = nullptr;  // "Загрузить"
  QAction* MSave = nullptr;  // "Сохранить"
  QAction* N2 = nullptr;     // "Меню"
  QAction* N4 = nullptr;     // "Выход"
  QAction* N6 = nullptr;     // "Мутировать +"
  QAction* N8 = nullptr;     // "Ход"
  QAction* N10 = nullptr;    // "Справка"
  QAction* N12 = nullptr;    // "О программе"
};

GameMenu buildGameMenu(QMenuBar* bar);

}  // namespace klebony
