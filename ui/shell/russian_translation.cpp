// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/russian_translation.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTreeView>
#include <array>

namespace klebony {

namespace {

QLocale russian() { return QLocale(QLocale::Russian, QLocale::Russia); }

// Asked before qtbase_ru: the texts it lacks or spells differently.
class MissingTextsTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    const QLatin1StringView ctx(context), src(source);
    if (ctx == QLatin1StringView("QPlatformTheme") || ctx == QLatin1StringView("QGnomeTheme") ||
        ctx == QLatin1StringView("QDialogButtonBox")) {
      if (src == QLatin1StringView("OK")) return QStringLiteral("ОК");
      if (src == QLatin1StringView("&OK")) return QStringLiteral("&ОК");
    }
    if (ctx == QLatin1StringView("QAbstractFileIconProvider") ||
        ctx == QLatin1StringView("QFileIconProvider")) {
      if (src == QLatin1StringView("Folder")) return QStringLiteral("Папка");
      if (src == QLatin1StringView("Drive")) return QStringLiteral("Диск");
      if (src == QLatin1StringView("Alias")) return QStringLiteral("Ссылка");
      if (src == QLatin1StringView("File")) return QStringLiteral("Файл");
    }
    return QTranslator::translate(context, source, disambiguation, n);
  }
};

// The file dialog's columns through Russian eyes: Qt formats sizes and dates
// with the system locale (English without LANG, "KiB" even in Russian) and
// names a file it does not know "unknown".
class RussianFileColumns : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid()) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
      case 1:
        return files->isDir(source) ? QString() : russianDataSize(files->size(source));
      case 2: {
        if (files->isDir(source)) return QStringLiteral("Папка");
        const QString type = files->type(source);
        return type == QLatin1StringView("unknown") ? QStringLiteral("Неизвестно") : type;
      }
      case 3:
        return russian().toString(files->lastModified(source), QLocale::ShortFormat);
      default:
        return QIdentityProxyModel::data(index, role);
    }
  }
};

// Gives every Qt file dialog the Russian columns as it is shown, keeping the
// widths of its columns.
class FileDialogWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* dialog = qobject_cast<QFileDialog*>(watched);
      if (dialog && !dialog->proxyModel() && dialog->testOption(QFileDialog::DontUseNativeDialog)) {
        auto* details = dialog->findChild<QTreeView*>();
        const QByteArray header = details ? details->header()->saveState() : QByteArray();
        dialog->setProxyModel(new RussianFileColumns(dialog));
        if (details) details->header()->restoreState(header);
      }
    }
    return false;
  }
};

// Russian plural of "байт": 1 байт, 2 байта, 5 байт, 22 байта.
QString bytesWord(qint64 n) {
  const qint64 last = n % 10, lastTwo = n % 100;
  return last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? QStringLiteral("байта")
                                                                  : QStringLiteral("байт");
}

}  // namespace

QString russianDataSize(qint64 bytes) {
  if (bytes < 1024) return QStringLiteral("%1 %2").arg(bytes).arg(bytesWord(bytes));
  static const std::array<QString, 6> units{QStringLiteral("КБ"), QStringLiteral("МБ"), QStringLiteral("ГБ"),
                                            QStringLiteral("ТБ"), QStringLiteral("ПБ"), QStringLiteral("ЭБ")};
  double value = static_cast<double>(bytes);
  std::size_t power = 0;
  while (value >= 1024.0 && power < units.size()) {
    value /= 1024.0;
    ++power;
  }
  return russian().toString(value, 'f', 2) + QLatin1Char(' ') + units[power - 1];
}

RussianTranslation::RussianTranslation()
    : qtbase_(std::make_unique<QTranslator>()),
      missing_(std::make_unique<MissingTextsTranslator>()),
      fileDialogs_(std::make_unique<FileDialogWatcher>()) {
  qtbaseLoaded_ =
      qtbase_->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(qtbase_.get());
  // Installed last, so asked first.
  QCoreApplication::installTranslator(missing_.get());
  QLocale::setDefault(russian());
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(fileDialogs_.get());
}

RussianTranslation::~RussianTranslation() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(fileDialogs_.get());
  QLocale::setDefault(previousDefault_);
  QCoreApplication::removeTranslator(missing_.get());
  if (qtbaseLoaded_) QCoreApplication::removeTranslator(qtbase_.get());
}

}  // namespace klebony
