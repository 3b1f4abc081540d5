#pragma once
// The pictures, cursors and icons compiled into the program. Loaded once at
// start-up; a missing picture gives a black one of the right size, so the
// game still runs.
#include <QCursor>
#include <QIcon>
#include <QImage>

namespace klebony {

struct Assets {
  QImage organismSheet;  // 72 x 144: six strips of six 12 x 12 cell frames, masks below
  QImage markerSheet;    // 36 x 24: the hover marker
  QImage heartSheet;     // 128 x 64: the heart
  QImage twinkleSheet;   // 56 x 14: the twinkle
  QImage tissueTexture;  // 100 x 100: the start screen's tissue
  QCursor windowCursor;  // an arrow among sparkles: the start screen
  QCursor buttonCursor;  // spiky organisms: the buttons
  QCursor boardCursor;   // an arrow with a ring: the board
  QIcon iconOpen, iconSave, iconExit, iconAbout, iconHelp;  // ImageList1, 0..4 in the menu's order
  QIcon appIcon;

  // Loads everything from the resources (":/img", ":/cursors", ":/icons").
  static const Assets& get();
};

}  // namespace klebony
