// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rounds of a battle, apart from its consequences: who wins when two
// records fight. Bounded in cost whatever the records hold.
#include "core/world.h"

namespace klebony {

// The most attack organs the closed form of the rounds allows: with up to
// 2^32 an organ, a hit's damage stays below 2^35 (core/battle_fight.cpp).
inline constexpr int kMaxAttackOrgans = 7;

// Damage that one hit of `p` deals to `q`: the sum over the attack organs and their
// defence pairs of max(0, organ - defence). Below 2^35, so 64 bits.
int64_t damagePerHit(const Organism& p, const Organism& q);

// True when the attacker wins the rounds, started from both records' hp.
bool attackerWinsRounds(const Organism& attacker, const Organism& defender);

}  // namespace klebony
