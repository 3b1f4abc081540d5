// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/assets.h"

#include <QPixmap>

#include "media/pictures.h"

namespace klebony {

namespace {

QString resource(const PictureInfo& row) { return QStringLiteral(":/") + QLatin1String(row.file); }

// For a missing or misshapen picture: a plain tissue, or a sheet whose
// frames draw nothing.
QImage standIn(const PictureInfo& row) {
  QImage img(row.width, row.height, QImage::Format_RGB32);
  if (row.kind == PictureKind::Texture) {
    img.fill(QColor(160, 40, 60));
    return img;
  }
  img.fill(Qt::black);
  // An all-white lower half keeps every mask transparent: nothing is drawn.
  for (int y = row.height / 2; y < row.height; ++y)
    for (int x = 0; x < row.width; ++x) img.setPixel(x, y, 0xffffffff);
  return img;
}

QImage image(Picture picture) {
  const PictureInfo& row = pictureInfo(picture);
  const QImage img(resource(row));
  if (img.isNull() || img.width() != row.width || img.height() != row.height) return standIn(row);
  return img.convertToFormat(QImage::Format_RGB32);
}

QCursor cursor(Picture picture) {
  const QPixmap pm(resource(pictureInfo(picture)));
  if (pm.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(pm, 0, 0);  // the hot spot is the top-left pixel
}

QIcon icon(Picture picture) { return QIcon(resource(pictureInfo(picture))); }

}  // namespace

const Assets& Assets::get() {
  static const Assets assets = [] {
    Assets a;
    a.organismSheet = image(Picture::OrganismSheet);
    a.markerSheet = image(Picture::MarkerSheet);
    a.heartSheet = image(Picture::HeartSheet);
    a.twinkleSheet = image(Picture::TwinkleSheet);
    a.tissueTexture = image(Picture::TissueTexture);
    a.windowCursor = cursor(Picture::WindowCursor);
    a.buttonCursor = cursor(Picture::ButtonCursor);
    a.boardCursor = cursor(Picture::BoardCursor);
    a.iconOpen = icon(Picture::OpenIcon);
    a.iconSave = icon(Picture::SaveIcon);
    a.iconExit = icon(Picture::ExitIcon);
    a.iconAbout = icon(Picture::AboutIcon);
    a.iconHelp = icon(Picture::HelpIcon);
    for (const PictureInfo& row : kPictureTable)
      if (row.id == Picture::AppIcon) a.appIcon.addFile(resource(row));
    return a;
  }();
  return assets;
}

}  // namespace klebony
