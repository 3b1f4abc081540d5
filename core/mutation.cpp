// Placeholder: the mutation rules land with the rules engine, part 2.
#include "mutation.h"

#include "game.h"

namespace klebony {

int captionLabel(Characteristic) { return 0; }
std::optional<Characteristic> characteristicOfLabel(int) { return std::nullopt; }
int32_t& level(Organism& o, Characteristic) { return o.live; }
int32_t level(const Organism& o, Characteristic) { return o.live; }
int32_t mutationCost(const Organism&, Characteristic) { return 0; }
bool canMutate(const Organism&, Characteristic) { return false; }
void applyMutation(Organism&, Characteristic) {}
MutationOutcome playerMutate(Game&, Characteristic) { return MutationOutcome::Refused; }
void toggleMutationMode(Game&) {}
void onCaptionClick(Game&, int) {}

}  // namespace klebony
