// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures, cursors and icons compiled into the program, as the windows
// use them: each row of media/pictures.h is loaded once at start-up by its
// kind, and found by its id. A missing picture gives a stand-in of the right
// size, so the game still runs.
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <array>

#include "media/pictures.h"

namespace klebony {

struct Assets {
 private:
  struct Loaded {
    std::array<QImage, kPictureCount> images;
    std::array<QCursor, kPictureCount> cursors;
    std::array<QIcon, kPictureCount> icons;
  };
  static Loaded load();
  Loaded loaded_ = load();

 public:
  // A sheet's or a texture's picture, a cursor, an icon (the application's
  // icon holds every size of it); empty for a picture of another kind.
  const QImage& image(Picture p) const { return loaded_.images[static_cast<std::size_t>(p)]; }
  const QCursor& cursor(Picture p) const { return loaded_.cursors[static_cast<std::size_t>(p)]; }
  const QIcon& icon(Picture p) const { return loaded_.icons[static_cast<std::size_t>(p)]; }

  // The names the game window's code knows them by (its command rows point
  // at the icons); new code asks by id.
  QImage organismSheet = image(Picture::OrganismSheet);
  QImage markerSheet = image(Picture::MarkerSheet);
  QImage heartSheet = image(Picture::HeartSheet);
  QCursor buttonCursor = cursor(Picture::ButtonCursor);
  QCursor boardCursor = cursor(Picture::BoardCursor);
  QIcon iconOpen = icon(Picture::OpenIcon), iconSave = icon(Picture::SaveIcon),
        iconExit = icon(Picture::ExitIcon), iconAbout = icon(Picture::AboutIcon),
        iconHelp = icon(Picture::HelpIcon);
  QIcon appIcon = icon(Picture::AppIcon);

  // Loads everything from the resources, once.
  static const Assets& get();
};

}  // namespace klebony
