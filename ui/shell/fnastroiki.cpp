#include "fnastroiki.h"

#include <QLineEdit>
#include <QPushButton>

#include "cp1251.h"
#include "game.h"
#include "window_placement.h"

namespace klebony {

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const {
  const QList<uint> chars = input.toUcs4();
  if (chars.size() > kNameMaxLength) return Invalid;
  for (uint c : chars)
    if (!nameCharacterAllowed(static_cast<char32_t>(c))) return Invalid;
  return Acceptable;
}

TFNastroiki::TFNastroiki(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setWindowTitle(QStringLiteral("Введите свое имя:"));
  setFixedSize(216, 64);
  setModal(true);
  keepOnScreen(this);

  EName = new QLineEdit(this);
  EName->setObjectName(QStringLiteral("EName"));
  EName->setGeometry(28, 4, 161, 24);
  // Every allowed character is one UTF-16 unit, so this limit counts characters.
  EName->setMaxLength(kNameMaxLength);
  EName->setValidator(new NameValidator(EName));
  EName->setText(QString::fromStdString(game_.window.eName));
  connect(EName, &QLineEdit::textChanged, this,
          [this](const QString& text) { game_.window.eName = text.toStdString(); });

  Button1 = new QPushButton(QStringLiteral("Ок!"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(76, 36, 75, 20);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TFNastroiki::Button1Click);
}

void TFNastroiki::Button1Click() { accept(); }

}  // namespace klebony
