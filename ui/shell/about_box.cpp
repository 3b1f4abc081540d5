// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/about_box.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/ports.h"
#include "ui/window_placement.h"

namespace klebony {

const QString AboutBox::kWebAddress = QStringLiteral("klebony.example.org");
const QString AboutBox::kMailAddress = QStringLiteral("klebony@klebony.example.org");

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

namespace {

// ---- The about box's layout: the title, the credits and two links down a
// sunken panel
constexpr QSize kBoxSize(283, 226);
constexpr QRect kTitle(3, 2, 277, 24);
constexpr int kTitleFont = 16;
constexpr QRect kCredits(2, 28, 277, 153);
constexpr int kCreditsPixelSize = 11;
constexpr int kCreditsMargin = 3;
constexpr int kLinkLeft = 4;
constexpr QSize kLinkSize(272, 16);
constexpr int kLinkFont = 12;
constexpr int kWebLinkTop = 185;
constexpr int kMailLinkTop = 201;

QLabel* aboutTitle(QWidget* box) {
  auto* title = new QLabel(QStringLiteral("К Л Е Б О Н Ы"), box);
  title->setObjectName(QStringLiteral("aboutTitle"));
  title->setGeometry(kTitle);
  title->setAlignment(Qt::AlignCenter);
  title->setFont(gameFont(kTitleFont, true));
  palette::fill(title, palette::kAboutTitleGround, palette::kAboutTitle);
  return title;
}

QPlainTextEdit* creditsText(QWidget* box) {
  auto* credits = new QPlainTextEdit(box);
  credits->setObjectName(QStringLiteral("creditsText"));
  credits->setGeometry(kCredits);
  credits->setReadOnly(true);
  // A screen reader names the text by what it is; its lines follow.
  credits->setAccessibleName(QStringLiteral("Об игре"));
  // The desktop's plain face, small: the game face's tall lines would hide
  // the date below a scroll bar.
  QFont font = QApplication::font();
  font.setPixelSize(kCreditsPixelSize);
  credits->setFont(font);
  credits->document()->setDocumentMargin(kCreditsMargin);
  QPalette colours = credits->palette();
  colours.setColor(QPalette::Base, palette::kPanelGrey);
  colours.setColor(QPalette::Text, palette::kText);
  credits->setPalette(colours);
  credits->setPlainText(
      QStringLiteral("Версия программы:\n"
                     "    v 1.0\n"
                     "\n"
                     "Идея, правила и программа:\n"
                     "    команда «Клебонов»\n"
                     "Картинки и звуки:\n"
                     "    свой генератор ресурсов\n"
                     "Сделано на C++20 и Qt 6,\n"
                     "    собрано CMake под Linux\n"
                     "Дата создания:\n"
                     "    Ноябрь 2003год"));
  return credits;
}

ClickLabel* link(QWidget* box, const char* name, const QString& text, int y) {
  auto* label = new ClickLabel(text, box);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(QRect(QPoint(kLinkLeft, y), kLinkSize));
  label->setAlignment(Qt::AlignCenter);
  label->setCursor(Qt::PointingHandCursor);
  label->setFont(gameFont(kLinkFont, true));
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, palette::kLink);
  label->setPalette(p);
  return label;
}

}  // namespace

AboutBox::AboutBox(DesktopPort& desktop, QWidget* parent) : QDialog(parent), desktop_(desktop) {
  setWindowTitle(QStringLiteral("О Программе"));
  setFixedSize(kBoxSize);
  setModal(true);
  keepOnScreen(this);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(rect());

  title = aboutTitle(this);
  credits = creditsText(this);
  webLink = link(this, "webLink", kWebAddress, kWebLinkTop);
  mailLink = link(this, "mailLink", QStringLiteral("Написать письмо >>>"), kMailLinkTop);
  connect(webLink, &ClickLabel::clicked, this, &AboutBox::openWebPage);
  connect(mailLink, &ClickLabel::clicked, this, &AboutBox::writeMail);
}

void AboutBox::openWebPage() { desktop_.openUrl(QStringLiteral("http://") + webLink->text()); }

void AboutBox::writeMail() { desktop_.openUrl(QStringLiteral("mailto:") + kMailAddress); }

}  // namespace klebony
