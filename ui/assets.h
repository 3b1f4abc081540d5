#pragma once
// The pictures, cursors and icons compiled into the program. Loaded once at
// start-up; a missing picture gives a black one of the right size, so the
// game still runs.
#include <QCursor>
#include <QIcon>
#include <QImage>

namespace klebony {

struct Assets {
  QImage Im_m;        // 72 x 144: six strips of six 12 x 12 cell frames, masks below
  QImage Im_vyd;      // 36 x 24: the hover marker
  QImage Im_s;        // 128 x 64: the heart
  QImage Im_z;        // 56 x 14: the twinkle
  QImage Im_texture;  // 100 x 100: the start screen's tissue
  QCursor CURS;
  QCursor CURSPOLE;
  QCursor CURSMIC;
  QIcon iconOpen, iconSave, iconExit, iconAbout, iconHelp;  // ImageList1, 0..4 in the menu's order
  QIcon appIcon;

  // Loads everything from the resources (":/img", ":/cursors", ":/icons").
  static const Assets& get();
};

}  // namespace klebony
