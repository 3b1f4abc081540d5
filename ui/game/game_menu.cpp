#include "game_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "assets.h"

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
  QMenu* n1 = bar->addMenu(QStringLiteral("Игра"));
  n1->setObjectName(QStringLiteral("N1"));
  m.MOpen = item(n1, "MOpen", QStringLiteral("Загрузить"), assets.iconOpen);
  m.MSave = item(n1, "MSave", QStringLiteral("Сохранить"), assets.iconSave);
  n1->addSeparator();
  m.N2 = item(n1, "N2", QStringLiteral("Меню"));
  n1->addSeparator();
  m.N4 = item(n1, "N4", QStringLiteral("Выход"), assets.iconExit);

  QMenu* n5 = bar->addMenu(QStringLiteral("Команды"));
  n5->setObjectName(QStringLiteral("N5"));
  m.N6 = item(n5, "N6", QStringLiteral("Мутировать +"));
  n5->addSeparator();
  m.N8 = item(n5, "N8", QStringLiteral("Ход"));

  QMenu* n9 = bar->addMenu(QStringLiteral("Помощь"));
  n9->setObjectName(QStringLiteral("N9"));
  m.N10 = item(n9, "N10", QStringLiteral("Справка"), assets.iconHelp);
  n9->addSeparator();
  m.N12 = item(n9, "N12", QStringLiteral("О программе"), assets.iconAbout);
  return m;
}

}  // namespace klebony
