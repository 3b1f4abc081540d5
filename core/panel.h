#pragma once
// What the characteristics panel shows: the texts and the bold (affordable)
// captions are computed here from the world; the Qt panel only applies them.
#include <array>
#include <optional>
#include <string>
#include <string_view>
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

  static PanelItem of(Characteristic c) { return {Kind::Characteristic, c}; }
  bool operator==(const PanelItem&) const = default;
};

// One row of the panel, from the top: a characteristic or one of the two counts.
struct PanelRow {
  int row;  // 0 at the top
  PanelItem item;
  const char* caption;
  const char* captionLabel;  // the widget names, which the driver's script and dump use too
  const char* valueLabel;
};
// Every row, top to bottom.
const std::vector<PanelRow>& panelRows();
// The text the row's value label shows.
const std::string& rowValue(const PanelView& view, const PanelRow& row);
// The key legend's labels ("Esc  -  выход" ...), which a click or the pointer also reaches.
bool isKeyLegendLabel(std::string_view name);
// The item behind a panel label's name, or nothing for a label without one.
std::optional<PanelItem> panelItemOfLabel(std::string_view name);

struct Game;
void showPanel(Game& game, int organism);
void refreshAffordability(Game& game);
// The hint for an item, or nothing.
std::optional<std::string> hintText(const Game& game, PanelItem item);
// The pointer moves over an item: the panel returns to the player and the hint goes to the status line.
void hoverPanelItem(Game& game, PanelItem item);

}  // namespace klebony
