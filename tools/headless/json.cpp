// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/headless/json.h"

#include <nlohmann/json.hpp>

#include "core/panel.h"
#include "tools/headless/protocol_names.h"

namespace klebony::headless {

namespace {

using Json = nlohmann::ordered_json;

// The keys are the dump's own names for the record's fields (kOrganismFields),
// in the record's order with the tentacle slots last.
Json organismJson(const Organism& o) {
  Json record = Json::object();
  const char* slots = nullptr;
  for (const OrganismField& f : kOrganismFields) {
    switch (f.kind) {
      case FieldKind::Flag:
        record[f.shortName] = o.*f.flag;
        break;
      case FieldKind::Number:
        record[f.shortName] = o.*f.number;
        break;
      case FieldKind::Name:
        record[f.shortName] = o.name;
        break;
      case FieldKind::TentacleSlots:
        slots = f.shortName;
        break;
    }
  }
  Json tentacles = Json::array();
  for (const Tentacle& t : o.tentacles) tentacles.push_back(Json::array({t.active, t.travel}));
  if (slots) record[slots] = std::move(tentacles);
  return record;
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
    if (const PanelLabelName* name = panelLabelOf(row.item)) panel[valueKey(*name)] = rowValue(view, row);
  panel[valueKey(aminoAcidsLabel())] = view.aminoAcids;
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
