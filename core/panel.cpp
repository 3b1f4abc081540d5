// Placeholder: the panel's contents land with the rules engine, part 2.
#include "panel.h"

#include "game.h"

namespace klebony {

const char* valueLabelName(ValueLabel) { return ""; }
void showPanel(Game& game, int organism) { game.window.panel.organism = organism; game.out().panelChanged(); }
void refreshAffordability(Game& game) { game.out().panelChanged(); }
std::optional<std::string> hintText(const Game&, int) { return std::nullopt; }
void onCaptionHover(Game&, int) {}
std::optional<int> panelLabelNumber(std::string_view) { return std::nullopt; }

}  // namespace klebony
