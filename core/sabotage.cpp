// Placeholder: tentacle sabotage lands with the rules engine, part 2.
#include "rules.h"

namespace klebony {

void sabotage(Game&, int, int) {}

}  // namespace klebony
