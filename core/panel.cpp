// The characteristics panel's texts, fonts and hints.
#include "panel.h"

#include <charconv>

#include "game.h"
#include "rules.h"

namespace klebony {

namespace {

const char* const kHidden = "???";
const char* const kUnits = " ед.";
constexpr int kSizeCaption = 6;
constexpr int kBattlesCaption = 10;

bool isLegendLabel(int number) {
  return number == 20 || number == 22 || number == 24 || number == 26 || number == 27 || number == 28;
}

void setAffordability(Game& game) {
  const Organism& player = game.world.organisms[kPlayer];
  for (int i = 0; i < kCharacteristicCount; ++i)
    game.window.panel.bold[i] = canMutate(player, kCharacteristics[i]);
}

std::string num(int64_t v) { return std::to_string(v); }

}  // namespace

const char* valueLabelName(ValueLabel label) {
  switch (label) {
    case ValueLabel::Llive:
      return "Llive";
    case ValueLabel::Lreg:
      return "Lreg";
    case ValueLabel::Lspeed:
      return "Lspeed";
    case ValueLabel::Lsize:
      return "Lsize";
    case ValueLabel::Lagsize:
      return "Lagsize";
    case ValueLabel::Lsensor:
      return "Lsensor";
    case ValueLabel::Lkolschup:
      return "Lkolschup";
    case ValueLabel::Lurschup:
      return "Lurschup";
    case ValueLabel::Lbitv:
      return "Lbitv";
    case ValueLabel::Lschip:
      return "Lschip";
    case ValueLabel::Llezvie:
      return "Llezvie";
    case ValueLabel::Lkleschni:
      return "Lkleschni";
    case ValueLabel::Lhvost:
      return "Lhvost";
    case ValueLabel::Lspory:
      return "Lspory";
    case ValueLabel::LZschip:
      return "LZschip";
    case ValueLabel::LZlezvie:
      return "LZlezvie";
    case ValueLabel::LZkleschni:
      return "LZkleschni";
    case ValueLabel::LZhvost:
      return "LZhvost";
    case ValueLabel::LZspory:
      return "LZspory";
    case ValueLabel::Lamin:
      return "Lamin";
  }
  return "";
}

void showPanel(Game& game, int organism) {
  if (organism < 0 || organism >= kOrganismCount) organism = kPlayer;
  PanelView& panel = game.window.panel;
  const bool player = organism == kPlayer;
  if (player)
    setAffordability(game);
  else
    panel.bold.fill(false);  // an enemy's panel never hints at the player's purse

  const Organism& o = game.world.organisms[organism];
  auto set = [&panel](ValueLabel l, std::string text) {
    panel.values[static_cast<int>(l)] = std::move(text);
  };
  auto secret = [player](int32_t v) { return player ? num(v) : std::string(kHidden); };

  panel.organism = organism;
  panel.label2 = o.name;
  set(ValueLabel::Llive, num(o.hp) + "/" + num(10 * static_cast<int64_t>(o.live)) + kUnits);
  set(ValueLabel::Lreg, num(o.reg));
  set(ValueLabel::Lspeed, num(o.speed));
  set(ValueLabel::Lsize, num(o.size));
  set(ValueLabel::Lagsize, secret(o.agsize));
  set(ValueLabel::Lsensor, secret(o.sensor));
  set(ValueLabel::Lkolschup, num(o.kolschup));
  set(ValueLabel::Lurschup, num(o.urschup));
  set(ValueLabel::Lbitv, num(o.bitv));
  set(ValueLabel::Lschip, num(o.schip));
  set(ValueLabel::Llezvie, num(o.lezvie));
  set(ValueLabel::Lkleschni, num(o.kleschni));
  set(ValueLabel::Lhvost, num(o.hvost));
  set(ValueLabel::Lspory, num(o.spory));
  set(ValueLabel::LZschip, secret(o.zschip));
  set(ValueLabel::LZlezvie, secret(o.zlezvie));
  set(ValueLabel::LZkleschni, secret(o.zkleschni));
  set(ValueLabel::LZhvost, secret(o.zhvost));
  set(ValueLabel::LZspory, secret(o.zspory));
  set(ValueLabel::Lamin, player ? num(o.amin) + kUnits : std::string(kHidden));
  game.out().panelChanged();
}

void refreshAffordability(Game& game) {
  setAffordability(game);
  game.out().panelChanged();
}

std::optional<std::string> hintText(const Game& game, int labelNumber) {
  if (labelNumber == kSizeCaption) return "Показывает количество захваченных клеток.";
  if (labelNumber == kBattlesCaption) return "Количество выигранных сражений!";
  const std::optional<Characteristic> c = characteristicOfLabel(labelNumber);
  if (!c) return std::nullopt;
  const Organism& player = game.world.organisms[kPlayer];
  if (*c == Characteristic::kolschup && player.kolschup >= 20) return std::nullopt;
  if (*c == Characteristic::urschup && player.urschup >= 10) return "Мои щупальца совершенны! :-)";
  return "Для мутации требуется " + num(mutationCost(player, *c)) + " аминокислот";
}

void onCaptionHover(Game& game, int labelNumber) {
  const bool bound = characteristicOfLabel(labelNumber) || labelNumber == kSizeCaption ||
                     labelNumber == kBattlesCaption || isLegendLabel(labelNumber);
  if (!bound) return;
  showPanel(game, kPlayer);
  refreshAffordability(game);
  if (std::optional<std::string> hint = hintText(game, labelNumber)) showStatus(game, *hint);
}

std::optional<int> panelLabelNumber(std::string_view name) {
  constexpr std::string_view prefix = "Label";
  if (!name.starts_with(prefix)) return std::nullopt;
  const std::string_view digits = name.substr(prefix.size());
  if (digits.empty() || digits.size() > 2 || digits.front() == '0') return std::nullopt;
  int number = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (number < 1 || number > 29) return std::nullopt;
  return number;
}

}  // namespace klebony
