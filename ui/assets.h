// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures, cursors and icons compiled into the program, as the windows
// use them. Loaded once at start-up by their rows in media/pictures.h, which
// give each one's file and size; a missing picture gives a stand-in of the
// right size, so the game still runs.
#include <QCursor>
#include <QIcon>
#include <QImage>

namespace klebony {

struct Assets {
  QImage organismSheet;                                     // the free cell's and the organisms' frames
  QImage markerSheet;                                       // the hover marker
  QImage heartSheet;                                        // the heart
  QImage twinkleSheet;                                      // the twinkle
  QImage tissueTexture;                                     // the start screen's tissue
  QCursor windowCursor;                                     // the start screen
  QCursor buttonCursor;                                     // the buttons
  QCursor boardCursor;                                      // the board
  QIcon iconOpen, iconSave, iconExit, iconAbout, iconHelp;  // the game menu's items
  QIcon appIcon;                                            // every size of it

  // Loads everything from the resources.
  static const Assets& get();
};

}  // namespace klebony
