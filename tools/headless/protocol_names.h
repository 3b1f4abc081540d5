// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the driver's scripts and its dump use for the game window's
// controls. They are the widget names of the game's first window, which the
// driver's protocol keeps; here, and only here, they meet the game's own
// items. A characteristic without a row here is shown in the game but not
// reached by a script nor dumped: the protocol grows only on purpose.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/game.h"

namespace klebony::headless {

// A label of the characteristics panel that `caption` and `hint` accept.
struct PanelLabelName {
  const char* label;              // as a script names it
  std::optional<PanelItem> item;  // what it stands for; none: the amino acids, accepted, and does nothing
};

inline constexpr PanelItem kKeyLegend{PanelItem::Kind::KeyLegend};

inline constexpr std::array<PanelLabelName, 26> kPanelLabelNames = {{
    {"Label3", PanelItem::of(Characteristic::Vitality)},
    {"Label4", PanelItem::of(Characteristic::Regeneration)},
    {"Label5", PanelItem::of(Characteristic::Mobility)},
    {"Label6", PanelItem{PanelItem::Kind::CellsOwned}},
    {"Label7", PanelItem::of(Characteristic::Aggression)},
    {"Label8", PanelItem::of(Characteristic::Sensors)},
    {"Label9", PanelItem::of(Characteristic::Tentacles)},
    {"Label10", PanelItem{PanelItem::Kind::BattlesWon}},
    {"Label11", PanelItem::of(Characteristic::TentacleLevel)},
    {"Label12", PanelItem::of(Characteristic::Spike)},
    {"Label13", PanelItem::of(Characteristic::Blades)},
    {"Label14", PanelItem::of(Characteristic::Spores)},
    {"Label15", PanelItem::of(Characteristic::Claws)},
    {"Label16", PanelItem::of(Characteristic::PiercingDefence)},
    {"Label17", PanelItem::of(Characteristic::Tail)},
    {"Label18", std::nullopt},  // "АМИНОКИСЛОТ" and the stock beside it
    {"Label19", PanelItem::of(Characteristic::CuttingDefence)},
    {"Label20", kKeyLegend},  // "Esc  -  выход"
    {"Label21", PanelItem::of(Characteristic::ChoppingDefence)},
    {"Label22", kKeyLegend},  // "Delete  -  меню"
    {"Label23", PanelItem::of(Characteristic::ChokingDefence)},
    {"Label24", kKeyLegend},  // "M  -  мутация"
    {"Label25", PanelItem::of(Characteristic::AcidDefence)},
    {"Label26", kKeyLegend},  // "H  -  ход"
    {"Label27", kKeyLegend},  // "УПРАВЛЕНИЕ"
    {"Label28", kKeyLegend},  // "F1  -  справка"
}};

// The heading with the organism's name, a key of the dump's "panel".
inline constexpr const char* kOrganismNameKey = "Label2";

// The dump's keys for the window's controls.
inline constexpr const char* kTurnButtonKey = "hod";
inline constexpr const char* kMutationButtonKey = "bmut";
inline constexpr const char* kUpperStatusKey = "h1";
inline constexpr const char* kLowerStatusKey = "h2";
inline constexpr const char* kUpperTimerKey = "t1";
inline constexpr const char* kLowerTimerKey = "t2";

// The status lines' timers that `tick` names.
struct TimerName {
  const char* name;
  void (*expire)(Game&);
};
extern const std::array<TimerName, 2> kTimerNames;

// The value label beside a row's label, a key of the dump's "panel": "L" and
// the short name of the field it shows (kOrganismFields), a defence's "z"
// capital, as the game's first window named them; empty for the key legend.
const std::string& valueKey(const PanelLabelName& row);
// The row of a label a script names, or nothing.
const PanelLabelName* panelLabelNamed(std::string_view label);
// The row of a panel item, or nothing: a characteristic the protocol does not name.
const PanelLabelName* panelLabelOf(const PanelItem& item);
// The row of the amino acid stock, the one that stands for no item.
const PanelLabelName& aminoAcidsLabel();

}  // namespace klebony::headless
