// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/assets.h"

#include <QPixmap>

#include "ui/palette.h"

namespace klebony {

namespace {

QString resource(const PictureInfo& row) { return QStringLiteral(":/") + QLatin1String(row.file); }

// For a missing or misshapen picture: a plain tissue, or a sheet whose
// frames draw nothing.
QImage standIn(const PictureInfo& row) {
  QImage img(row.width, row.height, QImage::Format_RGB32);
  if (row.kind == PictureKind::Texture) {
    img.fill(palette::kStandInTissue);
    return img;
  }
  img.fill(Qt::black);
  // An all-white lower half keeps every mask transparent: nothing is drawn.
  for (int y = row.height / 2; y < row.height; ++y)
    for (int x = 0; x < row.width; ++x) img.setPixel(x, y, 0xffffffff);
  return img;
}

QImage loadImage(const PictureInfo& row) {
  const QImage img(resource(row));
  if (img.isNull() || img.width() != row.width || img.height() != row.height) return standIn(row);
  return img.convertToFormat(QImage::Format_RGB32);
}

QCursor loadCursor(const PictureInfo& row) {
  const QPixmap pm(resource(row));
  if (pm.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(pm, 0, 0);  // the hot spot is the top-left pixel
}

}  // namespace

Assets::Loaded Assets::load() {
  Loaded loaded;
  for (const PictureInfo& row : kPictureTable) {
    const auto at = static_cast<std::size_t>(row.id);
    switch (row.kind) {
      case PictureKind::Sheet:
      case PictureKind::Texture:
        loaded.images[at] = loadImage(row);
        break;
      case PictureKind::Cursor:
        loaded.cursors[at] = loadCursor(row);
        break;
      case PictureKind::Icon:
        loaded.icons[at].addFile(resource(row));
        break;  // each size a row
    }
  }
  return loaded;
}

const Assets& Assets::get() {
  static const Assets assets;
  return assets;
}

}  // namespace klebony
