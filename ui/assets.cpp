#include "ui/assets.h"

#include <QPixmap>

namespace klebony {

namespace {

QImage sheet(const char* name, int w, int h) {
  QImage img(QStringLiteral(":/img/%1.png").arg(QLatin1String(name)));
  if (img.isNull() || img.width() != w || img.height() != h) {
    img = QImage(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    // An all-white lower half keeps every mask transparent: nothing is drawn.
    for (int y = h / 2; y < h; ++y)
      for (int x = 0; x < w; ++x) img.setPixel(x, y, 0xffffffff);
    return img;
  }
  return img.convertToFormat(QImage::Format_RGB32);
}

QCursor cursor(const char* name) {
  QPixmap pm(QStringLiteral(":/cursors/%1.png").arg(QLatin1String(name)));
  if (pm.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(pm, 0, 0);  // the hot spot is the top-left pixel
}

QIcon icon(const char* name) { return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))); }

}  // namespace

const Assets& Assets::get() {
  static const Assets assets = [] {
    Assets a;
    a.organismSheet = sheet("Im_m", 72, 144);
    a.markerSheet = sheet("Im_vyd", 36, 24);
    a.heartSheet = sheet("Im_s", 128, 64);
    a.twinkleSheet = sheet("Im_z", 56, 14);
    a.tissueTexture = QImage(QStringLiteral(":/img/Im_texture.png")).convertToFormat(QImage::Format_RGB32);
    if (a.tissueTexture.isNull()) {
      a.tissueTexture = QImage(100, 100, QImage::Format_RGB32);
      a.tissueTexture.fill(QColor(160, 40, 60));
    }
    a.windowCursor = cursor("CURS");
    a.buttonCursor = cursor("CURSPOLE");
    a.boardCursor = cursor("CURSMIC");
    a.iconOpen = icon("menu_open");
    a.iconSave = icon("menu_save");
    a.iconExit = icon("menu_exit");
    a.iconAbout = icon("menu_about");
    a.iconHelp = icon("menu_help");
    for (int s : {16, 32, 48, 64, 128, 256})
      a.appIcon.addFile(QStringLiteral(":/icons/klebony-%1.png").arg(s));
    return a;
  }();
  return assets;
}

}  // namespace klebony
