// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's two faces. The game is designed around an informal hand-lettered face
// with a typewriter face for names; these are the Linux stand-ins, both with
// Cyrillic, so every Russian text renders in one face. Sizes are pixel heights.
#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

namespace klebony {

// The informal face of panels, labels and buttons.
QFont gameFont(int pixelHeight, bool bold = false);
// The typewriter face (organism names, the key legend's heading).
QFont monoFont(int pixelHeight, bool bold = false);
// A centred bold title in the game's face, in one colour.
QLabel* titleLabel(QWidget* parent, const char* objectName, const QString& text, int pixelHeight,
                   const QColor& colour, const QRect& geometry);

}  // namespace klebony
