#pragma once
// What the characteristics panel shows: computed here, applied by the Qt panel.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "mutation.h"

namespace klebony {

enum class ValueLabel {
  Llive,
  Lreg,
  Lspeed,
  Lsize,
  Lagsize,
  Lsensor,
  Lkolschup,
  Lurschup,
  Lbitv,
  Lschip,
  Llezvie,
  Lkleschni,
  Lhvost,
  Lspory,
  LZschip,
  LZlezvie,
  LZkleschni,
  LZhvost,
  LZspory,
  Lamin
};
inline constexpr int kValueLabelCount = 20;
const char* valueLabelName(ValueLabel label);

struct PanelView {
  int organism = kPlayer;  // whose values are shown
  std::string label2;      // the name
  std::array<std::string, kValueLabelCount> values{};
  // Bold (affordable) style of the seventeen mutable captions, in Characteristic order.
  std::array<bool, kCharacteristicCount> bold{};

  const std::string& value(ValueLabel l) const { return values[static_cast<int>(l)]; }
};

struct Game;
void showPanel(Game& game, int organism);
void refreshAffordability(Game& game);
// The hint for a panel label, or nothing.
std::optional<std::string> hintText(const Game& game, int labelNumber);
// Mouse movement over a caption, Label6, Label10 or a legend label.
void onCaptionHover(Game& game, int labelNumber);
// "Label12" -> 12; nothing for anything else.
std::optional<int> panelLabelNumber(std::string_view name);

}  // namespace klebony
