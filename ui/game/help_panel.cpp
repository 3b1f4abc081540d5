// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/help_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/fonts.h"
#include "ui/game/help_text.h"
#include "ui/palette.h"

namespace klebony {

namespace {

// ---- The help panel's layout: the title, the text and the close button
// down a raised panel
constexpr QSize kPanelSize(345, 401);
constexpr QRect kTitle(8, 6, 329, 26);
constexpr int kTitleFont = 19;
constexpr QRect kText(8, 36, 329, 328);
constexpr int kTextFont = 12;
constexpr QRect kCloseButton(135, 372, 75, 19);

}  // namespace

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("helpPanel"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, palette::kPanelGrey);
  pal.setColor(QPalette::Base, palette::kPanelGrey);
  pal.setColor(QPalette::Text, palette::kText);
  setPalette(pal);
  setFixedSize(kPanelSize);

  title_ = titleLabel(this, "helpTitle", QStringLiteral("СПРАВКА"), kTitleFont, palette::kHelpTitle, kTitle);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("helpText"));
  text_->setGeometry(kText);
  text_->setReadOnly(true);
  text_->setFont(gameFont(kTextFont));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Reached by a click, not by Tab.
  text_->setFocusPolicy(Qt::ClickFocus);
  text_->setPlainText(helpText());

  close_ = new QPushButton(QStringLiteral("Закрыть"), this);
  close_->setObjectName(QStringLiteral("closeHelpButton"));
  close_->setFont(gameFont(kTextFont));
  close_->setGeometry(kCloseButton);
}

}  // namespace klebony
