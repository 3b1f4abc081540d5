// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QLabel>

namespace klebony {

namespace {

QFont face(const QString& family, int pixelHeight, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  // A missing glyph must not pull in a second face: the texts are all
  // Cyrillic and Latin, which both faces cover.
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
  return font;
}

}  // namespace

QFont gameFont(int pixelHeight, bool bold) { return face(QStringLiteral("Andika"), pixelHeight, bold); }

QFont monoFont(int pixelHeight, bool bold) {
  return face(QStringLiteral("DejaVu Sans Mono"), pixelHeight, bold);
}

QLabel* titleLabel(QWidget* parent, const char* objectName, const QString& text, int pixelHeight,
                   const QColor& colour, const QRect& geometry) {
  auto* title = new QLabel(text, parent);
  title->setObjectName(QLatin1String(objectName));
  title->setFont(gameFont(pixelHeight, true));
  QPalette palette = title->palette();
  palette.setColor(QPalette::WindowText, colour);
  title->setPalette(palette);
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(geometry);
  return title;
}

}  // namespace klebony
