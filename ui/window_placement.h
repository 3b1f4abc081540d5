// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows stay where the player can reach them: inside the screen's
// available area (without panels and docks), title bar and menu bar
// included, also on a screen smaller than the window.
#include <QRect>

class QWidget;

namespace klebony {

// `window` (its frame) moved as little as possible to lie inside `available`.
// Where it is larger than the area, its top or left edge goes to the area's,
// so that the title bar and the menu bar stay on the screen.
QRect placedInside(QRect window, QRect available);

// A frame of `size` centred on `available`, then placed inside it.
QRect centredInside(QSize size, QRect available);

// Moves a top-level window to the centre of `available` (the window's own
// screen's available area when none is given), frame included, kept inside.
void centreOnScreen(QWidget* window, QRect available = QRect());

// Every showing of `window` keeps its frame inside its screen's available
// area, wherever it was placed (dialogs are placed by the toolkit).
void keepOnScreen(QWidget* window);

}  // namespace klebony
