#include "ui/game/game_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "ui/assets.h"

namespace klebony {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& text, const QIcon& icon = QIcon()) {
  QAction* a = menu->addAction(icon, text);
  a->setObjectName(QLatin1String(name));
  return a;
}

}  // namespace

GameMenu buildGameMenu(QMenuBar* bar) {
  const Assets& assets = Assets::get();
  GameMenu m;
  QMenu* game = bar->addMenu(QStringLiteral("Игра"));
  game->setObjectName(QStringLiteral("N1"));
  m.load = item(game, "MOpen", QStringLiteral("Загрузить"), assets.iconOpen);
  m.save = item(game, "MSave", QStringLiteral("Сохранить"), assets.iconSave);
  game->addSeparator();
  m.backToMenu = item(game, "N2", QStringLiteral("Меню"));
  game->addSeparator();
  m.quit = item(game, "N4", QStringLiteral("Выход"), assets.iconExit);

  QMenu* commands = bar->addMenu(QStringLiteral("Команды"));
  commands->setObjectName(QStringLiteral("N5"));
  m.mutation = item(commands, "N6", QStringLiteral("Мутировать +"));
  commands->addSeparator();
  m.endTurn = item(commands, "N8", QStringLiteral("Ход"));

  QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
  help->setObjectName(QStringLiteral("N9"));
  m.help = item(help, "N10", QStringLiteral("Справка"), assets.iconHelp);
  help->addSeparator();
  m.about = item(help, "N12", QStringLiteral("О программе"), assets.iconAbout);
  return m;
}

}  // namespace klebony
