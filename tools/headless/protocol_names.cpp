// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/headless/protocol_names.h"

#include "core/characteristics.h"
#include "core/rules.h"

namespace klebony::headless {

const std::array<TimerName, 2> kTimerNames = {{
    {"T1", upperStatusExpired},
    {"T2", lowerStatusExpired},
}};

const PanelLabelName* panelLabelNamed(std::string_view label) {
  for (const PanelLabelName& row : kPanelLabelNames)
    if (label == row.label) return &row;
  return nullptr;
}

namespace {

// The field a row's value shows; none for the key legend.
NumberField shownField(const PanelLabelName& row) {
  if (!row.item) return &Organism::aminoAcids;
  switch (row.item->kind) {
    case PanelItem::Kind::Characteristic:
      return info(row.item->characteristic).level;
    case PanelItem::Kind::CellsOwned:
      return &Organism::size;
    case PanelItem::Kind::BattlesWon:
      return &Organism::battlesWon;
    case PanelItem::Kind::KeyLegend:
      break;
  }
  return nullptr;
}

std::string valueKeyOf(const PanelLabelName& row) {
  const OrganismField* field = organismField(shownField(row));
  if (!field) return {};
  std::string key = std::string("L") + field->shortName;
  const bool defence = row.item && row.item->kind == PanelItem::Kind::Characteristic &&
                       info(row.item->characteristic).battleRole == BattleRole::Defence;
  if (defence) key[1] = 'Z';
  return key;
}

}  // namespace

const std::string& valueKey(const PanelLabelName& row) {
  static const auto keys = [] {
    std::array<std::string, kPanelLabelNames.size()> all;
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = valueKeyOf(kPanelLabelNames[i]);
    return all;
  }();
  return keys[static_cast<std::size_t>(&row - kPanelLabelNames.data())];
}

const PanelLabelName* panelLabelOf(const PanelItem& item) {
  // The key legend has several labels and no value; only a row with a value answers.
  for (const PanelLabelName& row : kPanelLabelNames)
    if (row.item == item && !valueKey(row).empty()) return &row;
  return nullptr;
}

const PanelLabelName& aminoAcidsLabel() {
  static const PanelLabelName& row = []() -> const PanelLabelName& {
    for (const PanelLabelName& r : kPanelLabelNames)
      if (!r.item) return r;
    return kPanelLabelNames.front();
  }();
  return row;
}

}  // namespace klebony::headless
