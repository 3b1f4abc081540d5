// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game window's commands, one row each: the menu it sits in, its text
// and icon, its keys in both keyboard layouts, its line of the key legend
// and what it does. One QAction per command serves the menu and the keys.
#include <QIcon>
#include <functional>
#include <vector>

#include "ui/assets.h"
#include "ui/game/characteristics_panel.h"

class QAction;
class QMenuBar;

namespace klebony {

enum class MenuId { Game, Commands, Help };  // "Игра", "Команды", "Помощь"

// One of the loaded icons (named: clang-format 14 and 19 space a bare member
// pointer differently).
using IconField = QIcon Assets::*;

struct GameCommand {
  const char* name;  // its name in code: the QAction is "<name>Action", its legend line "<name>Legend"
  MenuId menu;
  const char* text;  // the menu item's text
  IconField icon = nullptr;
  bool separatorAbove = false;
  int key = 0;                   // its key (a Qt::Key), taken whatever the case
  int russianKey = 0;            // the same key in the Russian layout, where it gives another letter
  const char* legend = nullptr;  // its line of the key legend ...
  int legendLine = 0;            // ... counted from 1 at the top
  std::function<void()> run;
};

// The menus on the bar, with one QAction per command; the actions come back
// in the commands' order.
std::vector<QAction*> addCommandMenus(QMenuBar* bar, const std::vector<GameCommand>& commands);
// The command that a key stands for, or nothing.
const GameCommand* commandOfKey(const std::vector<GameCommand>& commands, int key);
// The key legend's lines, top to bottom.
std::vector<CharacteristicsPanel::LegendLine> legendLines(const std::vector<GameCommand>& commands);

}  // namespace klebony
