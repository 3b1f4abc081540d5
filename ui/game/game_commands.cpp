// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/game_commands.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace klebony {

namespace {

struct MenuInfo {
  MenuId id;
  const char* name;
  const char* title;
};

constexpr MenuInfo kMenus[] = {
    {MenuId::Game, "gameMenu", "Игра"},
    {MenuId::Commands, "commandsMenu", "Команды"},
    {MenuId::Help, "helpMenu", "Помощь"},
};

}  // namespace

std::vector<QAction*> addCommandMenus(QMenuBar* bar, const std::vector<GameCommand>& commands) {
  const Assets& assets = Assets::get();
  std::vector<QAction*> actions(commands.size(), nullptr);
  for (const MenuInfo& info : kMenus) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(info.title));
    menu->setObjectName(QLatin1String(info.name));
    for (std::size_t i = 0; i < commands.size(); ++i) {
      const GameCommand& c = commands[i];
      if (c.menu != info.id) continue;
      if (c.separatorAbove) menu->addSeparator();
      QAction* a = menu->addAction(c.icon ? assets.*c.icon : QIcon(), QString::fromUtf8(c.text));
      a->setObjectName(QLatin1String(c.name) + QStringLiteral("Action"));
      QObject::connect(a, &QAction::triggered, a, c.run);
      actions[i] = a;
    }
  }
  return actions;
}

const GameCommand* commandOfKey(const std::vector<GameCommand>& commands, int key) {
  for (const GameCommand& c : commands)
    if ((c.key && key == c.key) || (c.russianKey && key == c.russianKey)) return &c;
  return nullptr;
}

std::vector<CharacteristicsPanel::LegendLine> legendLines(const std::vector<GameCommand>& commands) {
  std::vector<const GameCommand*> lined;
  for (const GameCommand& c : commands)
    if (c.legend) lined.push_back(&c);
  std::stable_sort(lined.begin(), lined.end(),
                   [](const GameCommand* a, const GameCommand* b) { return a->legendLine < b->legendLine; });
  std::vector<CharacteristicsPanel::LegendLine> lines;
  for (const GameCommand* c : lined)
    lines.push_back({QLatin1String(c->name) + QStringLiteral("Legend"), QString::fromUtf8(c->legend)});
  return lines;
}

}  // namespace klebony
