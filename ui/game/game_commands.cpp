// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/game_commands.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstring>

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

void CommandActions::addMenus(QMenuBar* bar) {
  const Assets& assets = Assets::get();
  actions_.assign(commands_.size(), nullptr);
  for (const MenuInfo& info : kMenus) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(info.title));
    menu->setObjectName(QLatin1String(info.name));
    for (std::size_t i = 0; i < commands_.size(); ++i) {
      const GameCommand& c = commands_[i];
      if (c.menu != info.id) continue;
      if (c.separatorAbove) menu->addSeparator();
      QAction* a = menu->addAction(c.icon ? assets.*c.icon : QIcon(), QString::fromUtf8(c.text));
      a->setObjectName(QLatin1String(c.name) + QStringLiteral("Action"));
      a->setCheckable(static_cast<bool>(c.checked));
      QObject::connect(a, &QAction::triggered, a, [this, i] {
        commands_[i].run();
        updateStates();
      });
      actions_[i] = a;
    }
  }
  updateStates();
}

QAction* CommandActions::action(const char* name) const {
  for (std::size_t i = 0; i < commands_.size(); ++i)
    if (std::strcmp(commands_[i].name, name) == 0) return actions_[i];
  return nullptr;
}

QAction* CommandActions::actionOfKey(int key) const {
  const GameCommand* c = commandOfKey(commands_, key);
  return c ? actions_[c - commands_.data()] : nullptr;
}

void CommandActions::bindButton(QAbstractButton* button, const char* name) {
  QAction* a = action(name);
  QObject::connect(button, &QAbstractButton::clicked, a, [a] { a->trigger(); });
  QObject::connect(a, &QAction::changed, button, [a, button] { button->setEnabled(a->isEnabled()); });
  button->setEnabled(a->isEnabled());
  buttons_.push_back(button);
}

bool CommandActions::isBound(const QWidget* widget) const {
  return std::find(buttons_.begin(), buttons_.end(), widget) != buttons_.end();
}

void CommandActions::updateStates() {
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    const GameCommand& c = commands_[i];
    if (!actions_[i]) continue;
    actions_[i]->setEnabled(!c.enabled || c.enabled());
    if (c.checked) actions_[i]->setChecked(c.checked());
  }
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
