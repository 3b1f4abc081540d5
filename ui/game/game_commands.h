// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game window's commands, one row each: the menu it sits in, its text
// and icon, its keys in both keyboard layouts, its line of the key legend,
// what it does and, where it has any, its state. Each command is one QAction
// that its menu item, its key and its buttons all trigger.
#include <QIcon>
#include <functional>
#include <memory>
#include <vector>

#include "ui/assets.h"
#include "ui/game/characteristics_panel.h"

class QAbstractButton;
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
  // Its state, read from the game: without `enabled` it is always enabled;
  // with `checked` its menu item carries a check mark.
  std::function<bool()> enabled = {};
  std::function<bool()> checked = {};
};

// The commands as actions. The window matches a key with actionOfKey and
// triggers what it finds; a bound button triggers its command and is enabled
// while the command is. The actions' state changes only in updateStates.
class CommandActions {
 public:
  explicit CommandActions(std::vector<GameCommand> commands) : commands_(std::move(commands)) {}
  CommandActions(const CommandActions&) = delete;
  CommandActions& operator=(const CommandActions&) = delete;

  const std::vector<GameCommand>& commands() const { return commands_; }

  // The menus on the bar, one QAction per command in them.
  void addMenus(QMenuBar* bar);
  QAction* action(const char* name) const;
  // The action that a key stands for, or nothing.
  QAction* actionOfKey(int key) const;
  void bindButton(QAbstractButton* button, const char* name);
  bool isBound(const QWidget* widget) const;
  // Reads every command's enabled and checked state; after every command
  // and whenever the game reports that its controls changed.
  void updateStates();

 private:
  std::vector<GameCommand> commands_;
  std::vector<QAction*> actions_;  // in the commands' order
  std::vector<QAbstractButton*> buttons_;
};

// The command that a key stands for, or nothing.
const GameCommand* commandOfKey(const std::vector<GameCommand>& commands, int key);
// The key legend's lines, top to bottom.
std::vector<CharacteristicsPanel::LegendLine> legendLines(const std::vector<GameCommand>& commands);

}  // namespace klebony
