#include "ui/game/help_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/fonts.h"
#include "ui/game/help_text.h"
#include "ui/palette.h"

namespace klebony {

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PHelp"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, palette::kPanelGrey);
  pal.setColor(QPalette::Base, palette::kPanelGrey);
  pal.setColor(QPalette::Text, palette::kText);
  setPalette(pal);
  setFixedSize(345, 401);

  title_ = titleLabel(this, "Label29", QStringLiteral("СПРАВКА"), 19, palette::kHelpTitle, QRect(8, 6, 329, 26));

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo1"));
  memo_->setGeometry(8, 36, 329, 328);
  memo_->setReadOnly(true);
  memo_->setFont(gameFont(12));
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Reached by a click, not by Tab.
  memo_->setFocusPolicy(Qt::ClickFocus);
  memo_->setPlainText(helpText());

  close_ = new QPushButton(QStringLiteral("Закрыть"), this);
  close_->setObjectName(QStringLiteral("BEndHelp"));
  close_->setFont(gameFont(12));
  close_->setGeometry(135, 372, 75, 19);
}

}  // namespace klebony
