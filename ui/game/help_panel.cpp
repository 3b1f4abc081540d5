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

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("helpPanel"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, palette::kPanelGrey);
  pal.setColor(QPalette::Base, palette::kPanelGrey);
  pal.setColor(QPalette::Text, palette::kText);
  setPalette(pal);
  setFixedSize(345, 401);

  title_ =
      titleLabel(this, "helpTitle", QStringLiteral("СПРАВКА"), 19, palette::kHelpTitle, QRect(8, 6, 329, 26));

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("helpText"));
  text_->setGeometry(8, 36, 329, 328);
  text_->setReadOnly(true);
  text_->setFont(gameFont(12));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Reached by a click, not by Tab.
  text_->setFocusPolicy(Qt::ClickFocus);
  text_->setPlainText(helpText());

  close_ = new QPushButton(QStringLiteral("Закрыть"), this);
  close_->setObjectName(QStringLiteral("closeHelpButton"));
  close_->setFont(gameFont(12));
  close_->setGeometry(135, 372, 75, 19);
}

}  // namespace klebony
