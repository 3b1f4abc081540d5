// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGINT and SIGHUP end the game as its own "Выход" does: the event
// loops stop and the program returns 0. A session that logs out, a closed
// terminal, or a test that is done ends the game cleanly, however many
// signals it sends. Under nohup, SIGHUP stays ignored.
namespace klebony {

// Needs the application object; called once at its start.
void quitOnTerminationSignals();

}  // namespace klebony
