#pragma once
// SIGTERM and SIGINT end the game as its own "Выход" does: the event loops
// stop and the program returns 0. A session that logs out, or a test that is
// done, ends the game cleanly.
namespace klebony {

// Needs the application object; called once at its start.
void quitOnTerminationSignals();

}  // namespace klebony
