// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours the windows share. The panels are the classic light grey of a
// desktop form; the status lines are white paper with dark red for news.
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace klebony::palette {

inline const QColor kPanelGrey(192, 192, 192);
inline const QColor kBevelLight(255, 255, 255);
inline const QColor kBevelDark(128, 128, 128);
inline const QColor kText(0, 0, 0);
inline const QColor kStatusPaper(255, 255, 255);
inline const QColor kNewsText(128, 0, 0);      // the upper status line
inline const QColor kGameTitle(0, 0, 255);     // "К Л Е Б О Н Ы" over the panel
inline const QColor kHelpTitle(255, 0, 0);     // "СПРАВКА"
inline const QColor kAboutTitle(0, 255, 255);  // on black, in the about box
inline const QColor kAboutTitleGround(0, 0, 0);
inline const QColor kLink(0, 0, 160);
inline const QColor kFog(0, 0, 0);  // the board where the player sees nothing; under every picture

// The tissue a missing texture picture is replaced with (ui/assets.cpp).
inline const QColor kStandInTissue(160, 40, 60);

// Fills a widget's background with one colour; the text colour too when
// given (children without colours of their own inherit both).
inline void fill(QWidget* w, const QColor& ground) {
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ground);
  w->setPalette(pal);
}
inline void fill(QWidget* w, const QColor& ground, const QColor& text) {
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ground);
  pal.setColor(QPalette::WindowText, text);
  w->setPalette(pal);
}

}  // namespace klebony::palette
