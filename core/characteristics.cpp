// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/characteristics.h"

namespace klebony {

void gainLevel(Organism& o, Characteristic c) {
  if (c == Characteristic::Tentacles) {
    for (Tentacle& t : o.tentacles) {
      if (t.active) continue;
      t.active = true;
      t.travel = 0;
      o.tentacleCount = addSaturated(o.tentacleCount, 1);
      return;
    }
    return;  // every slot is taken
  }
  int32_t& value = level(o, c);
  value = addSaturated(value, 1);
  if (c == Characteristic::Vitality) o.hp = saturate32(int64_t{o.vitality} * 10);
}

}  // namespace klebony
