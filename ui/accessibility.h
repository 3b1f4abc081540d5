// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows tell a screen reader beyond Qt's own widgets: the board,
// the panel's captions as something to press in the mutation mode, the news
// of the status line, and the pictures that are only decoration. Nothing
// here runs unless an assistive technology listens (QAccessible::isActive).
#include <QLabel>
#include <QString>

class QObject;
class QWidget;

namespace klebony {

// A label whose reading may differ from Qt's: a caption that becomes a button
// in the mutation mode, the status line's news. Qt's own factory answers for
// plain QLabels before any other, so these need a class of their own; marked
// by neither, it reads as any label.
class SpokenLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
};

// Installs the interfaces for the game's own widgets; once, before any window.
void installAccessibility();

// The reader is told `text` without the player moving: an announcement on
// Qt 6.8 and later, before that the status line shown anew as a notification.
void announce(QWidget* source, const QString& text);

// A caption of the panel that, in the mutation mode, reads as a button with
// its offer (price and whether the stock pays); `offer` empty: a plain caption.
// Called once with an empty offer when the caption is made.
void setPressableOffer(QWidget* caption, const QString& offer);
// The line that announce() speaks from; marked before a reader first asks for it.
void markNews(QWidget* line);
// A picture that only decorates: the reader passes it by.
void markDecoration(QWidget* picture);

}  // namespace klebony
