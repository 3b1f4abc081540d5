// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Сохранить" over a file that is no saved game (a player's notes, say)
// asks first; over a saved game it goes ahead, as quick saves need.
#include <QString>

class QWidget;

namespace klebony {

class MessagePort;

// Whether the save at `path` may go ahead: no file there, a saved game, or
// the player's "Yes" to the question. Nothing of the game changes meanwhile.
bool mayReplaceWithSave(MessagePort* messages, QWidget* parent, const QString& path);

}  // namespace klebony
