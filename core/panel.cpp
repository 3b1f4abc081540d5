// The characteristics panel's texts, fonts and hints.
#include "core/panel.h"

#include <algorithm>

#include "core/game.h"
#include "core/mutation.h"
#include "core/rules.h"

namespace klebony {

namespace {

const char* const kHidden = "???";
const char* const kUnits = " ед.";

constexpr PanelRow kCellsOwned{
    kCellsOwnedRow, {PanelItem::Kind::CellsOwned}, "Захваченных клеток:", "Label6", "Lsize"};
constexpr PanelRow kBattlesWon{
    kBattlesWonRow, {PanelItem::Kind::BattlesWon}, "Выиграно сражений:", "Label10", "Lbitv"};

constexpr std::string_view kKeyLegendLabels[] = {"Label20", "Label22", "Label24",
                                                 "Label26", "Label27", "Label28"};

void setAffordability(Game& game) {
  const Organism& player = game.world.organisms[kPlayer];
  for (Characteristic c : kCharacteristics)
    game.window.panel.bold[static_cast<int>(c)] = canMutate(player, c);
}

std::string num(int64_t v) { return std::to_string(v); }

}  // namespace

const std::vector<PanelRow>& panelRows() {
  static const std::vector<PanelRow> rows = [] {
    std::vector<PanelRow> all{kCellsOwned, kBattlesWon};
    for (const CharacteristicInfo& c : kCharacteristicTable)
      all.push_back({c.panelRow, PanelItem::of(c.id), c.caption, c.captionLabel, c.valueLabel});
    std::sort(all.begin(), all.end(), [](const PanelRow& a, const PanelRow& b) { return a.row < b.row; });
    return all;
  }();
  return rows;
}

const std::string& rowValue(const PanelView& view, const PanelRow& row) {
  switch (row.item.kind) {
    case PanelItem::Kind::CellsOwned:
      return view.cellsOwned;
    case PanelItem::Kind::BattlesWon:
      return view.battlesWon;
    default:
      return view.level(row.item.characteristic);
  }
}

bool isKeyLegendLabel(std::string_view name) {
  return std::find(std::begin(kKeyLegendLabels), std::end(kKeyLegendLabels), name) !=
         std::end(kKeyLegendLabels);
}

std::optional<PanelItem> panelItemOfLabel(std::string_view name) {
  if (isKeyLegendLabel(name)) return PanelItem{PanelItem::Kind::KeyLegend};
  for (const PanelRow& row : panelRows())
    if (name == row.captionLabel) return row.item;
  return std::nullopt;
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
  panel.cellsOwned = num(o.size);
  panel.battlesWon = num(o.battlesWon);
  panel.aminoAcids = player ? num(o.aminoAcids) + kUnits : std::string(kHidden);
  game.out().panelChanged();
}

void refreshAffordability(Game& game) {
  setAffordability(game);
  game.out().panelChanged();
}

std::optional<std::string> hintText(const Game& game, PanelItem item) {
  switch (item.kind) {
    case PanelItem::Kind::CellsOwned:
      return "Показывает количество захваченных клеток.";
    case PanelItem::Kind::BattlesWon:
      return "Количество выигранных сражений!";
    case PanelItem::Kind::KeyLegend:
      return std::nullopt;
    case PanelItem::Kind::Characteristic:
      break;
  }
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
