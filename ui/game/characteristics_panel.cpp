// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/characteristics_panel.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/palette.h"

namespace klebony {

namespace {

// ---- The panel's layout, in panel pixels
constexpr int kCaptionFont = 12;
constexpr int kSmallestValueFont = 9;  // a value too long for its room steps down to this
constexpr int kLegendFont = 13;
constexpr int kHeadingFont = 16;  // the organism's name and the legend's heading

constexpr int kCaptionLeft = 8;
constexpr int kFirstRowTop = 30;
constexpr int kRowHeight = 17;  // the rows' spacing while they fit above the amino acid box
// The values' columns: the hit points' long text starts left of the others,
// the defences' long captions push theirs right.
constexpr int kVitalityColumn = 136;
constexpr int kValueColumn = 156;
constexpr int kDefenceColumn = 210;
constexpr int kValueRight = 330;     // where a value's designed place ends away from the legend ...
constexpr int kLegendClearance = 2;  // ... and beside it, this far short of the legend's line
constexpr int kCaptionGap = 4;       // at least this between a caption and a value grown over its tail
constexpr int kPanelWidth = 337;
constexpr int kPanelHeight = 403;
constexpr int kPanelFrame = 1;

constexpr QRect kHeading(8, 8, 156, kRowHeight);
constexpr QRect kName(164, 8, 161, 20);

// The key legend: a box of raised lines, light over dark, with the heading
// and the lines above a separator.
constexpr int kLegendLeft = 192;
constexpr int kLegendRight = 324;
constexpr int kLegendTop = 52;
constexpr int kLegendSeparator = 202;
constexpr int kLegendBottom = 265;
// The box holds each line and the dark line beside it.
constexpr QRect kLegendBox(kLegendLeft, kLegendTop, kLegendRight - kLegendLeft + 2,
                           kLegendBottom - kLegendTop + 2);
constexpr QRect kLegendHeading(204, 59, 115, 20);
constexpr int kLegendLineHeight = 18;
constexpr int kFirstLegendLineTop = kLegendHeading.bottom() + 1;
constexpr int kLastLegendLineTop = 176;

constexpr QRect kAminoAcidBox(12, 356, 309, 33);
constexpr QRect kAminoAcidCaption(20, 364, 106, kRowHeight);
constexpr QRect kAminoAcidValue(128, 364, 97, kRowHeight);
constexpr QRect kMutationButton(232, 364, 80, 19);

int valueColumn(const PanelRow& row) {
  if (row.item == PanelItem::of(Characteristic::Vitality)) return kVitalityColumn;
  const bool defence = row.item.kind == PanelItem::Kind::Characteristic &&
                       info(row.item.characteristic).battleRole == BattleRole::Defence;
  return defence ? kDefenceColumn : kValueColumn;
}

bool besideLegend(int top, int height) {
  return top < kLegendBox.bottom() + 1 && top + height > kLegendBox.top();
}

struct RowPlace {
  int top;
  int height;
};

// A row every 17 pixels from the top, closer when more rows must fit above
// the amino acid box. A row whose caption reaches past the legend's line (a
// defence) stands below the legend, and the rows from there on close up to fit.
std::vector<RowPlace> rowPlaces() {
  const std::vector<PanelRow>& rows = panelRows();
  const int count = static_cast<int>(rows.size());
  int spacing = std::min(kRowHeight, (kAminoAcidBox.top() - kFirstRowTop) / count);
  std::vector<RowPlace> places;
  int top = kFirstRowTop;
  for (int i = 0; i < count; ++i) {
    if (valueColumn(rows[i]) > kLegendBox.left() && besideLegend(top, spacing)) {
      top = kLegendBox.bottom() + 1;
      spacing = std::min(spacing, (kAminoAcidBox.top() - top) / (count - i));
    }
    places.push_back({top, spacing});
    top += spacing;
  }
  return places;
}

// The legend's lines spread evenly from below its heading down to the last
// line's place; a half pixel goes up.
int legendLineTop(int index, int count) {
  if (count < 2) return kFirstLegendLineTop;
  const int span = kLastLegendLineTop - kFirstLegendLineTop;
  const int steps = count - 1;
  return kFirstLegendLineTop + (2 * span * index + steps - 1) / (2 * steps);
}

class LegendBox : public QWidget {
 public:
  explicit LegendBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("legendBox"));
    setGeometry(kLegendBox);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QColor light = palette::kBevelLight, dark = palette::kBevelDark;
    const int right = kLegendRight - kLegendLeft;
    auto hline = [&](int y) {
      p.setPen(light);
      p.drawLine(0, y - kLegendTop, right, y - kLegendTop);
      p.setPen(dark);
      p.drawLine(0, y - kLegendTop + 1, right, y - kLegendTop + 1);
    };
    hline(kLegendTop);
    hline(kLegendSeparator);
    hline(kLegendBottom);
    p.setPen(light);
    p.drawLine(0, 0, 0, kLegendBottom - kLegendTop);
    p.setPen(dark);
    p.drawLine(1, 1, 1, kLegendBottom - kLegendTop);
  }
};

}  // namespace

CharacteristicsPanel::CharacteristicsPanel(const std::vector<LegendLine>& legend, QWidget* parent)
    : QFrame(parent) {
  setObjectName(QStringLiteral("characteristicsPanel"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kPanelFrame);
  setFixedSize(kPanelWidth, kPanelHeight);
  palette::fill(this, palette::kPanelGrey, palette::kText);
  addHeading();
  addRows();
  addAminoAcidBox();
  addLegend(legend);
}

void CharacteristicsPanel::addHeading() {
  nameCaption_ = addLabel(QStringLiteral("organismCaption"), QStringLiteral("Характеристика клебона:"),
                          kHeading, gameFont(kCaptionFont));
  name_ = addLabel(QStringLiteral("organismName"), QString(), kName, monoFont(kHeadingFont, true));
}

void CharacteristicsPanel::addRows() {
  const QFont regular = gameFont(kCaptionFont);
  const std::vector<RowPlace> places = rowPlaces();
  for (std::size_t i = 0; i < places.size(); ++i) {
    const PanelRow& row = panelRows()[i];
    const auto [top, height] = places[i];
    const QString name = QString::fromUtf8(row.name);
    const int column = valueColumn(row);
    QLabel* caption = addLabel(name + QStringLiteral("Caption"), QString::fromUtf8(row.caption),
                               QRect(kCaptionLeft, top, column - kCaptionLeft, height), regular);
    makeTarget(caption, row.item);
    if (row.item.kind == PanelItem::Kind::Characteristic) {
      captions_[static_cast<int>(row.item.characteristic)] = caption;
      setPressableOffer(caption, QString());
    }
    // Beside the legend a value may grow up to its line, elsewhere up to the panel's frame.
    const bool beside = besideLegend(top, height);
    const int right = beside ? kLegendBox.left() - kLegendClearance : kValueRight;
    const QRect design(column, top, right - column, height);
    QLabel* value = addLabel(name + QStringLiteral("Value"), QString(), design, regular);
    // A long value may lie over its caption's blank tail; the caption keeps the pointer.
    value->setAttribute(Qt::WA_TransparentForMouseEvents);
    values_.push_back(
        {&row, {value, caption, design, beside ? kLegendBox.left() : kPanelWidth - kPanelFrame}});
  }
}

void CharacteristicsPanel::addAminoAcidBox() {
  const QFont bold = gameFont(kCaptionFont, true);
  auto* box = new QFrame(this);
  box->setObjectName(QStringLiteral("aminoAcidBox"));
  box->setFrameStyle(QFrame::Box | QFrame::Sunken);
  box->setGeometry(kAminoAcidBox);
  aminoAcidCaption_ =
      addLabel(QStringLiteral("aminoAcidCaption"), QStringLiteral("АМИНОКИСЛОТ"), kAminoAcidCaption, bold);
  aminoAcids_ = addLabel(QStringLiteral("aminoAcidValue"), QString(), kAminoAcidValue, bold);
  aminoAcids_->setAlignment(Qt::AlignCenter);

  mutationButton_ = new QPushButton(QStringLiteral("Мутация +"), this);
  mutationButton_->setObjectName(QStringLiteral("mutationButton"));
  mutationButton_->setGeometry(kMutationButton);
  mutationButton_->setFont(gameFont(kCaptionFont));
}

void CharacteristicsPanel::addLegend(const std::vector<LegendLine>& legend) {
  new LegendBox(this);
  QLabel* heading = addLabel(QStringLiteral("legendHeading"), QStringLiteral("УПРАВЛЕНИЕ"), kLegendHeading,
                             monoFont(kHeadingFont, true));
  heading->setAlignment(Qt::AlignCenter);
  makeTarget(heading, {PanelItem::Kind::KeyLegend});
  const int count = static_cast<int>(legend.size());
  for (int i = 0; i < count; ++i) {
    const QRect place(kLegendHeading.left(), legendLineTop(i, count), kLegendHeading.width(),
                      kLegendLineHeight);
    makeTarget(addLabel(legend[i].name, legend[i].text, place, gameFont(kLegendFont, true)),
               {PanelItem::Kind::KeyLegend});
  }
}

QLabel* CharacteristicsPanel::addLabel(const QString& name, const QString& text, const QRect& geometry,
                                       const QFont& font) {
  auto* l = new SpokenLabel(text, this);
  l->setObjectName(name);
  // Names and values come from the world, which a saved file may fill with
  // anything: shown as they are, never read as markup.
  l->setTextFormat(Qt::PlainText);
  l->setFont(font);
  l->setGeometry(geometry);
  l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return l;
}

void CharacteristicsPanel::makeTarget(QLabel* label, PanelItem item) {
  targets_.insert(label, item);
  label->setMouseTracking(true);
  label->installEventFilter(this);
}

void CharacteristicsPanel::setMutationButtonCaption(const QString& caption) {
  mutationButton_->setText(caption);
}

namespace {

// A value reads with its caption ("Регенерация: 0"), as the eye takes them together.
void readWith(QLabel* value, const QLabel* caption, const QString& text) {
  const QString separator = caption->text().endsWith(u':') ? QStringLiteral(" ") : QStringLiteral(": ");
  const QString name = caption->text() + separator + text;
  if (value->accessibleName() != name) value->setAccessibleName(name);
}

}  // namespace

void CharacteristicsPanel::setOffers(const std::vector<QString>& offers) {
  for (int i = 0; i < kCharacteristicCount; ++i)
    if (captions_[i])
      setPressableOffer(captions_[i], i < static_cast<int>(offers.size()) ? offers[i] : QString());
}

void CharacteristicsPanel::showChosen(int characteristic) {
  if (characteristic == chosen_) return;
  // Only a key in the mutation mode picks one, so the panel at rest looks as it always did.
  if (chosen_ >= 0 && chosen_ < kCharacteristicCount && captions_[chosen_]) {
    captions_[chosen_]->setAutoFillBackground(false);
    captions_[chosen_]->setPalette(palette());
  }
  chosen_ = characteristic;
  if (chosen_ < 0 || chosen_ >= kCharacteristicCount || !captions_[chosen_]) return;
  QLabel* c = captions_[chosen_];
  QPalette marked = c->palette();
  marked.setColor(QPalette::Window, marked.color(QPalette::Highlight));
  marked.setColor(QPalette::WindowText, marked.color(QPalette::HighlightedText));
  c->setPalette(marked);
  c->setAutoFillBackground(true);
  // A screen reader follows the pick as it would a focus.
  if (QAccessible::isActive()) {
    QAccessibleEvent focus(c, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

void CharacteristicsPanel::showValue(const Value& value, const QString& text) {
  QLabel* l = value.label;
  l->setText(text);
  readWith(l, value.caption, text);
  l->setFont(gameFont(kCaptionFont));
  // A value grows to the right with its text and never gets narrower than
  // designed, as long as it stays short of its limit ...
  const QRect& design = value.design;
  const int width = std::max(design.width(), l->sizeHint().width());
  if (design.left() + width <= value.limit) {
    l->setGeometry(design.left(), design.top(), width, design.height());
    return;
  }
  // ... else it ends at its limit and grows to the left over the blank tail of
  // its caption, a step smaller in the same face where even that is short.
  const QLabel* caption = value.caption;
  const int free =
      caption->x() + QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + kCaptionGap;
  for (int size = kCaptionFont; size >= kSmallestValueFont; --size) {
    l->setFont(gameFont(size));
    const int needed = l->sizeHint().width();
    if (value.limit - needed >= free || size == kSmallestValueFont) {
      l->setGeometry(value.limit - needed, design.top(), needed, design.height());
      return;
    }
  }
}

void CharacteristicsPanel::showAminoAcids(const QString& text) {
  // Centred in its place; a long stock grows on both sides.
  aminoAcids_->setText(text);
  readWith(aminoAcids_, aminoAcidCaption_, text);
  const int width = std::max(kAminoAcidValue.width(), aminoAcids_->sizeHint().width());
  const int left = kAminoAcidValue.left() - (width - kAminoAcidValue.width()) / 2;
  aminoAcids_->setGeometry(left, kAminoAcidValue.top(), width, kAminoAcidValue.height());
}

void CharacteristicsPanel::apply(const PanelView& view) {
  name_->setText(QString::fromStdString(view.name));
  readWith(name_, nameCaption_, name_->text());
  // The bold style of a caption: its next step is affordable. The values
  // follow, as a bold caption leaves them less room.
  const QFont bold = gameFont(kCaptionFont, true);
  const QFont regular = gameFont(kCaptionFont);
  for (int i = 0; i < kCharacteristicCount; ++i) {
    QLabel* caption = captions_[i];
    if (caption && caption->font().bold() != view.bold[i]) caption->setFont(view.bold[i] ? bold : regular);
  }
  for (const auto& [row, value] : values_) showValue(value, QString::fromStdString(rowValue(view, *row)));
  showAminoAcids(QString::fromStdString(view.aminoAcids));
}

bool CharacteristicsPanel::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  const auto target = label ? targets_.constFind(label) : targets_.cend();
  if (target != targets_.cend()) {
    if (event->type() == QEvent::MouseMove) {
      emit itemHovered(*target);
    } else if (event->type() == QEvent::MouseButtonRelease) {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::LeftButton && label->rect().contains(me->position().toPoint()))
        emit itemClicked(*target);
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace klebony
