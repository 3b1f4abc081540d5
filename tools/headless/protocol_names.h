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
#include <string_view>

#include "core/game.h"

namespace klebony::headless {

// A label of the characteristics panel that `caption` and `hint` accept.
struct PanelLabelName {
  const char* label;              // as a script names it
  std::optional<PanelItem> item;  // what it stands for; none: accepted, and does nothing
  const char* value = nullptr;    // the value label beside it, a key of the dump's "panel"
};

inline constexpr PanelItem kKeyLegend{PanelItem::Kind::KeyLegend};

inline constexpr std::array<PanelLabelName, 26> kPanelLabelNames = {{
    {"Label3", PanelItem::of(Characteristic::Vitality), "Llive"},
    {"Label4", PanelItem::of(Characteristic::Regeneration), "Lreg"},
    {"Label5", PanelItem::of(Characteristic::Mobility), "Lspeed"},
    {"Label6", PanelItem{PanelItem::Kind::CellsOwned}, "Lsize"},
    {"Label7", PanelItem::of(Characteristic::Aggression), "Lagsize"},
    {"Label8", PanelItem::of(Characteristic::Sensors), "Lsensor"},
    {"Label9", PanelItem::of(Characteristic::Tentacles), "Lkolschup"},
    {"Label10", PanelItem{PanelItem::Kind::BattlesWon}, "Lbitv"},
    {"Label11", PanelItem::of(Characteristic::TentacleLevel), "Lurschup"},
    {"Label12", PanelItem::of(Characteristic::Spike), "Lschip"},
    {"Label13", PanelItem::of(Characteristic::Blades), "Llezvie"},
    {"Label14", PanelItem::of(Characteristic::Spores), "Lspory"},
    {"Label15", PanelItem::of(Characteristic::Claws), "Lkleschni"},
    {"Label16", PanelItem::of(Characteristic::PiercingDefence), "LZschip"},
    {"Label17", PanelItem::of(Characteristic::Tail), "Lhvost"},
    {"Label18", std::nullopt, "Lamin"},  // "АМИНОКИСЛОТ" and the stock beside it
    {"Label19", PanelItem::of(Characteristic::CuttingDefence), "LZlezvie"},
    {"Label20", kKeyLegend},  // "Esc  -  выход"
    {"Label21", PanelItem::of(Characteristic::ChoppingDefence), "LZkleschni"},
    {"Label22", kKeyLegend},  // "Delete  -  меню"
    {"Label23", PanelItem::of(Characteristic::ChokingDefence), "LZhvost"},
    {"Label24", kKeyLegend},  // "M  -  мутация"
    {"Label25", PanelItem::of(Characteristic::AcidDefence), "LZspory"},
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

// The row of a label a script names, or nothing.
const PanelLabelName* panelLabelNamed(std::string_view label);
// The row of a panel item, or nothing: a characteristic the protocol does not name.
const PanelLabelName* panelLabelOf(const PanelItem& item);
// The row of the amino acid stock, the one that stands for no item.
const PanelLabelName& aminoAcidsLabel();

}  // namespace klebony::headless
