// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts in Russian: standard buttons and the file dialog.
#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <memory>

class QObject;
class QTranslator;

namespace klebony {

// Loads Qt's Russian translation and covers what Debian's qtbase_ru leaves
// in English: "OK" in Latin letters (the game says "ОК"), the type "Folder",
// and in Qt's own file dialogs the sizes ("KiB", "bytes") and the dates, which
// Qt takes from the system locale rather than from a translation. The default
// locale becomes Russian, so file types read "Неизвестно", not "unknown",
// whatever the system's locale. Everything is undone again when destroyed.
class RussianTranslation {
 public:
  RussianTranslation();
  ~RussianTranslation();
  RussianTranslation(const RussianTranslation&) = delete;
  RussianTranslation& operator=(const RussianTranslation&) = delete;
  // False when qtbase_ru is not installed; the texts above are Russian all the same.
  bool qtbaseLoaded() const { return qtbaseLoaded_; }

 private:
  std::unique_ptr<QTranslator> qtbase_;
  std::unique_ptr<QTranslator> missing_;
  std::unique_ptr<QObject> fileDialogs_;
  QLocale previousDefault_;
  bool qtbaseLoaded_ = false;
};

// A file size as the file dialog shows it: "2 байта", "2,93 КБ", "1,50 МБ".
QString russianDataSize(qint64 bytes);

}  // namespace klebony
