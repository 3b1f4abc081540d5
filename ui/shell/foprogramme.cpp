#include "foprogramme.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "fonts.h"
#include "ports.h"
#include "window_placement.h"

namespace klebony {

const QString TFOProgramme::kWebAddress = QStringLiteral("klebony.example.org");
const QString TFOProgramme::kMailAddress = QStringLiteral("klebony@klebony.example.org");

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

TFOProgramme::TFOProgramme(DesktopPort& desktop, QWidget* parent) : QDialog(parent), desktop_(desktop) {
  setWindowTitle(QStringLiteral("О Программе"));
  setFixedSize(283, 226);
  setModal(true);
  keepOnScreen(this);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(rect());

  Panel2 = new QLabel(QStringLiteral("К Л Е Б О Н Ы"), this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(3, 2, 277, 24);
  Panel2->setAlignment(Qt::AlignCenter);
  Panel2->setAutoFillBackground(true);
  Panel2->setFont(gameFont(16, true));
  QPalette title = Panel2->palette();
  title.setColor(QPalette::Window, Qt::black);
  title.setColor(QPalette::WindowText, QColor(0, 255, 255));
  Panel2->setPalette(title);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(2, 28, 277, 153);
  Memo1->setReadOnly(true);
  // The desktop's plain face, small as a memo's: the game face's tall lines
  // would hide the date below a scroll bar.
  QFont memoFont = QApplication::font();
  memoFont.setPixelSize(11);
  Memo1->setFont(memoFont);
  Memo1->document()->setDocumentMargin(3);
  QPalette memo = Memo1->palette();
  memo.setColor(QPalette::Base, QColor(192, 192, 192));
  memo.setColor(QPalette::Text, Qt::black);
  Memo1->setPalette(memo);
  Memo1->setPlainText(
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

  const auto link = [this](const QString& text, int y) {
    auto* label = new ClickLabel(text, this);
    label->setGeometry(4, y, 272, 16);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setFont(gameFont(12, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 160));
    label->setPalette(p);
    return label;
  };
  Label1 = link(kWebAddress, 185);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = link(QStringLiteral("Написать письмо >>>"), 201);
  Label2->setObjectName(QStringLiteral("Label2"));
  connect(Label1, &ClickLabel::clicked, this, &TFOProgramme::Label1Click);
  connect(Label2, &ClickLabel::clicked, this, &TFOProgramme::Label2Click);
}

void TFOProgramme::Label1Click() { desktop_.openUrl(QStringLiteral("http://") + Label1->text()); }

void TFOProgramme::Label2Click() { desktop_.openUrl(QStringLiteral("mailto:") + kMailAddress); }

}  // namespace klebony
