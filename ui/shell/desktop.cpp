#include "ui/shell/desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace klebony {

void QtDesktopPort::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

}  // namespace klebony
