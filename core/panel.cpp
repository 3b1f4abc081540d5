// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The characteristics panel's texts, fonts and hints.
#include "core/panel.h"

#include "core/game.h"
#include "core/mutation.h"
#include "core/rules.h"

namespace klebony {

namespace {

const char* const kHidden = "???";
const char* const kUnits = " ед.";

// A text field of the panel's view (named: clang-format 14 and 19 space a bare
// member pointer differently).
using TextField = std::string PanelView::*;

// The two counts stand among the characteristics, each above the row named here.
struct CountRow {
  PanelItem::Kind kind;
  const char* name;
  const char* caption;
  const char* hint;
  Characteristic above;
  LevelField count;
  TextField text;
};

constexpr CountRow kCountRows[] = {
    {PanelItem::Kind::CellsOwned, "cellsOwned",
     "Захваченных клеток:", "Показывает количество захваченных клеток.", Characteristic::Aggression,
     &Organism::size, &PanelView::cellsOwned},
    {PanelItem::Kind::BattlesWon, "battlesWon", "Выиграно сражений:", "Количество выигранных сражений!",
     Characteristic::Spike, &Organism::battlesWon, &PanelView::battlesWon},
};

const CountRow* countRow(PanelItem::Kind kind) {
  for (const CountRow& row : kCountRows)
    if (row.kind == kind) return &row;
  return nullptr;
}

void setAffordability(Game& game) {
  const Organism& player = game.world.organisms[kPlayer];
  for (Characteristic c : kCharacteristics)
    game.window.panel.bold[static_cast<int>(c)] = canMutate(player, c);
}

std::string num(int64_t v) { return std::to_string(v); }

}  // namespace

const std::vector<PanelRow>& panelRows() {
  static const std::vector<PanelRow> rows = [] {
    std::vector<PanelRow> all;
    for (const CharacteristicInfo& c : kCharacteristicTable) {
      for (const CountRow& count : kCountRows)
        if (count.above == c.id) all.push_back({{count.kind}, count.name, count.caption});
      all.push_back({PanelItem::of(c.id), c.name, c.caption});
    }
    return all;
  }();
  return rows;
}

const std::string& rowValue(const PanelView& view, const PanelRow& row) {
  if (const CountRow* count = countRow(row.item.kind)) return view.*count->text;
  return view.level(row.item.characteristic);
}

void showPanel(Game& game, int organism) {
  if (organism < 0 || organism >= kOrganismCount) organism = kPlayer;
  PanelView& panel = game.window.panel;
  const bool player = organism == kPlayer;
  if (player)
    setAffordability(game);
  else
    panel.bold.fill(false);  // an enemy's panel never hints at the player's purse

  const Organism& o = game.world.organisms[organism];
  panel.organism = organism;
  panel.name = o.name;
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    std::string& text = panel.levels[static_cast<int>(c.id)];
    if (c.hiddenOnEnemy && !player)
      text = kHidden;
    else if (c.id == Characteristic::Vitality)
      text = num(o.hp) + "/" + num(10 * static_cast<int64_t>(o.vitality)) + kUnits;
    else
      text = num(level(o, c.id));
  }
  for (const CountRow& count : kCountRows) panel.*count.text = num(o.*count.count);
  panel.aminoAcids = player ? num(o.aminoAcids) + kUnits : std::string(kHidden);
  game.out().panelChanged();
}

void refreshAffordability(Game& game) {
  setAffordability(game);
  game.out().panelChanged();
}

std::optional<std::string> hintText(const Game& game, PanelItem item) {
  if (const CountRow* count = countRow(item.kind)) return count->hint;
  if (item.kind != PanelItem::Kind::Characteristic) return std::nullopt;
  const Organism& player = game.world.organisms[kPlayer];
  const Characteristic c = item.characteristic;
  if (c == Characteristic::Tentacles && player.tentacleCount >= info(c).limit) return std::nullopt;
  if (c == Characteristic::TentacleLevel && player.tentacleLevel >= info(c).limit)
    return "Мои щупальца совершенны! :-)";
  return "Для мутации требуется " + num(mutationCost(player, c)) + " аминокислот";
}

void hoverPanelItem(Game& game, PanelItem item) {
  showPanel(game, kPlayer);
  refreshAffordability(game);
  if (std::optional<std::string> hint = hintText(game, item)) showStatus(game, *hint);
}

}  // namespace klebony
