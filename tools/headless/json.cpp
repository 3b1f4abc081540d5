// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/headless/json.h"

#include <nlohmann/json.hpp>

#include "core/panel.h"
#include "tools/headless/protocol_names.h"

namespace klebony::headless {

namespace {

using Json = nlohmann::ordered_json;

// The keys are the dump's own names for the record's fields (see the glossary
// beside Organism), in the record's order with the tentacles last.
Json organismJson(const Organism& o) {
  Json tentacles = Json::array();
  for (const Tentacle& t : o.tentacles) tentacles.push_back(Json::array({t.active, t.travel}));
  return {
      {"alive", o.alive},
      {"name", o.name},
      {"mutated", o.mutated},
      {"amin", o.aminoAcids},
      {"hp", o.hp},
      {"live", o.vitality},
      {"reg", o.regeneration},
      {"speed", o.mobility},
      {"size", o.size},
      {"agsize", o.aggression},
      {"captured", o.captured},
      {"sensor", o.sensors},
      {"kolschup", o.tentacleCount},
      {"urschup", o.tentacleLevel},
      {"bitv", o.battlesWon},
      {"schip", o.spike},
      {"lezvie", o.blades},
      {"kleschni", o.claws},
      {"hvost", o.tail},
      {"spory", o.spores},
      {"zschip", o.piercingDefence},
      {"zlezvie", o.cuttingDefence},
      {"zkleschni", o.choppingDefence},
      {"zhvost", o.chokingDefence},
      {"zspory", o.acidDefence},
      {"tentacles", std::move(tentacles)},
  };
}

// One string per row y; character x from `cellChar`.
template <typename F>
Json rowsJson(const World& world, F cellChar) {
  Json rows = Json::array();
  for (int y = 0; y < kBoardSize; ++y) {
    std::string row;
    for (int x = 0; x < kBoardSize; ++x) row += cellChar(world.cell(x, y));
    rows.push_back(std::move(row));
  }
  return rows;
}

char ownerDigit(const Cell& c) {
  // A damaged file may hold any owner; show it as something, not as garbage.
  return c.owner >= 0 && c.owner <= kFree ? static_cast<char>('0' + c.owner) : '?';
}

// The panel under the protocol's label names; a row the protocol does not name is left out.
Json panelJson(const PanelView& view) {
  Json panel = {{kOrganismNameKey, view.name}};
  for (const PanelRow& row : panelRows())
    if (const PanelLabelName* name = panelLabelOf(row.item)) panel[name->value] = rowValue(view, row);
  panel[aminoAcidsLabel().value] = view.aminoAcids;
  Json bold = Json::array();
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (const PanelLabelName* name = panelLabelOf(PanelItem::of(c.id));
        name && view.bold[static_cast<int>(c.id)])
      bold.push_back(name->label);
  panel["bold"] = std::move(bold);
  return panel;
}

}  // namespace

std::string dumpJson(const Game& game) {
  const WindowState& w = game.window;
  const World& world = game.world;
  Json organisms = Json::array();
  for (const Organism& o : world.organisms) organisms.push_back(organismJson(o));
  const Json dump = {
      {"turn", world.turn},
      {"mutationMode", w.mutationMode},
      {kTurnButtonKey, {{"caption", w.turnButtonCaption}, {"enabled", w.turnButtonEnabled}}},
      {kMutationButtonKey, w.mutationButtonCaption},
      {kUpperStatusKey, w.upperStatus},
      {kLowerStatusKey, w.lowerStatus},
      {kUpperTimerKey, w.upperTimerRunning},
      {kLowerTimerKey, w.lowerTimerRunning},
      {"hover", {w.hoverX, w.hoverY}},
      {"queued", game.random.queued()},
      {"organisms", std::move(organisms)},
      {"owners", rowsJson(world, ownerDigit)},
      {"visible", rowsJson(world, [](const Cell& c) { return c.visible ? '#' : '.'; })},
      {"panel", panelJson(w.panel)},
  };
  // Every text in the game is valid UTF-8; replace rather than throw should one ever not be.
  return dump.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace klebony::headless
