// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/headless/protocol_names.h"

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

const PanelLabelName* panelLabelOf(const PanelItem& item) {
  // The key legend has several labels and no value; only a row with a value answers.
  for (const PanelLabelName& row : kPanelLabelNames)
    if (row.item == item && row.value) return &row;
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
