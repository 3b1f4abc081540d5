// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the characteristics panel shows: the texts and the bold (affordable)
// captions are computed here from the world; the Qt panel only applies them.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/characteristics.h"

namespace klebony {

// The panel's texts for one organism.
struct PanelView {
  int organism = kPlayer;  // whose values are shown
  std::string name;
  std::array<std::string, kCharacteristicCount> levels{};  // table order
  std::string cellsOwned;
  std::string battlesWon;
  std::string aminoAcids;
  // The caption of a characteristic is bold when the player can buy its next step.
  std::array<bool, kCharacteristicCount> bold{};

  const std::string& level(Characteristic c) const { return levels[static_cast<int>(c)]; }
  bool operator==(const PanelView&) const = default;
};

// Something in the panel that the pointer can rest on or click.
struct PanelItem {
  enum class Kind { Characteristic, CellsOwned, BattlesWon, KeyLegend };
  Kind kind = Kind::KeyLegend;
  Characteristic characteristic = Characteristic::Vitality;  // for Kind::Characteristic

  static constexpr PanelItem of(Characteristic c) { return {Kind::Characteristic, c}; }
  bool operator==(const PanelItem&) const = default;
};

// One row of the panel: a characteristic or one of the two counts.
struct PanelRow {
  PanelItem item;
  const char* name;     // its name in code ("spike", "cellsOwned"); the window names its labels after it
  const char* caption;  // the caption the player reads
};
// Every row, top to bottom: the characteristics in table order, the two
// counts among them.
const std::vector<PanelRow>& panelRows();
// The text the row's value shows.
const std::string& rowValue(const PanelView& view, const PanelRow& row);

struct Game;
void showPanel(Game& game, int organism);
void refreshAffordability(Game& game);
// The hint for an item, or nothing.
std::optional<std::string> hintText(const Game& game, PanelItem item);
// The pointer moves over an item: the panel returns to the player and the hint goes to the status line.
void hoverPanelItem(Game& game, PanelItem item);

}  // namespace klebony
