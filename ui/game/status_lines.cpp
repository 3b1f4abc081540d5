// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/status_lines.h"

#include <QLabel>

#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/palette.h"

namespace klebony {

namespace {

// ---- The status lines' layout: two lines of text inside a sunken frame
constexpr QSize kStatusSize(448, 28);
constexpr int kLineLeft = 1;
constexpr QSize kLineSize(445, 13);
constexpr int kUpperLineTop = 1;
constexpr int kLowerLineTop = kUpperLineTop + kLineSize.height();
constexpr int kLineFont = 11;

// ---- The credits bar: sunken parts side by side, a gap between them
constexpr QSize kCreditsSize(792, 19);
constexpr int kCreditsPartTop = 2;
constexpr int kCreditsGap = 2;

QLabel* line(QWidget* parent, const char* name, const QColor& colour, int top) {
  auto* l = new SpokenLabel(parent);
  l->setObjectName(QLatin1String(name));
  // The lines tell names typed by the player or read from a saved game:
  // shown as typed, never read as markup.
  l->setTextFormat(Qt::PlainText);
  l->setGeometry(QRect(QPoint(kLineLeft, top), kLineSize));
  l->setAlignment(Qt::AlignCenter);
  l->setFont(gameFont(kLineFont));
  palette::fill(l, palette::kStatusPaper, colour);
  return l;
}

}  // namespace

StatusLines::StatusLines(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("statusLines"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  palette::fill(this, palette::kStatusPaper);
  setFixedSize(kStatusSize);
  upper_ = line(this, "upperStatusLine", palette::kNewsText, kUpperLineTop);
  lower_ = line(this, "lowerStatusLine", palette::kText, kLowerLineTop);
  markNews(upper_);
}

void StatusLines::setLines(const QString& upper, const QString& lower) {
  if (upper_->text() != upper) {
    upper_->setText(upper);
    // News reaches a screen reader as it appears; a line that clears says nothing.
    announce(upper_, upper);
  }
  if (lower_->text() != lower) lower_->setText(lower);
}

CreditsBar::CreditsBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("creditsBar"));
  setFixedSize(kCreditsSize);
  palette::fill(this, palette::kPanelGrey);
  struct Part {
    int width;
    const char* text;
  };
  const Part parts[] = {{260, "Клебоны: выживает сильнейший"},
                        {200, "Команда \"Клебоны\", 2026"},
                        {220, "Свободная игра на C++20 и Qt 6"},
                        {50, "v 1.0"}};
  int left = 0;
  int index = 0;
  for (const Part& part : parts) {
    auto* l = new QLabel(QString::fromUtf8(part.text), this);
    l->setObjectName(QStringLiteral("creditsPart%1").arg(index++));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(left, kCreditsPartTop, part.width - kCreditsGap, kCreditsSize.height() - kCreditsPartTop);
    left += part.width;
  }
}

}  // namespace klebony
