// Placeholder: the computer organisms land with the rules engine, part 2.
#include "rules.h"

namespace klebony {

void opponentTurn(Game&, int) {}

}  // namespace klebony
