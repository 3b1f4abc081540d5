#include "panel4.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

#include "fonts.h"

namespace klebony {

namespace {

constexpr int kCaptionFont = 12;
constexpr int kLegendFont = 13;
constexpr int kRowHeight = 17;  // the rows' spacing

struct Row {
  int number;  // LabelN of the caption
  const char* caption;
  int top;
  ValueLabel value;
  int valueLeft;
};

// Top to bottom; the mutable ones in the order of the characteristics.
constexpr Row kRows[] = {
    {3, "Жизнеспособность:", 30, ValueLabel::Llive, 136},
    {4, "Регенерация:", 47, ValueLabel::Lreg, 156},
    {5, "Подвижность:", 64, ValueLabel::Lspeed, 156},
    {6, "Захваченных клеток:", 81, ValueLabel::Lsize, 156},
    {7, "Уровень агрессии:", 98, ValueLabel::Lagsize, 156},
    {8, "Уровень сенсоров:", 115, ValueLabel::Lsensor, 156},
    {9, "Щупальца:", 132, ValueLabel::Lkolschup, 156},
    {11, "Уровень щупалец:", 149, ValueLabel::Lurschup, 156},
    {10, "Выиграно сражений:", 166, ValueLabel::Lbitv, 156},
    {12, "Уровень шипа:", 183, ValueLabel::Lschip, 156},
    {13, "Уровень лезвий:", 200, ValueLabel::Llezvie, 156},
    {15, "Уровень клешней:", 217, ValueLabel::Lkleschni, 156},
    {17, "Уровень хвоста:", 234, ValueLabel::Lhvost, 156},
    {14, "Уровень спор:", 251, ValueLabel::Lspory, 156},
    {16, "Защита от колющей атаки:", 268, ValueLabel::LZschip, 210},
    {19, "Защита от режущей атаки:", 285, ValueLabel::LZlezvie, 210},
    {21, "Защита от рубящей атаки:", 302, ValueLabel::LZkleschni, 210},
    {23, "Защита от удушающей атаки:", 319, ValueLabel::LZhvost, 210},
    {25, "Защита от кислотной атаки:", 336, ValueLabel::LZspory, 210},
};

struct LegendLine {
  int number;
  const char* text;
  int top;
};

constexpr LegendLine kLegend[] = {
    {20, "Esc  -  выход", 79},  {22, "Delete  -  меню", 103}, {28, "F1  -  справка", 127},
    {24, "M  -  мутация", 152}, {26, "H  -  ход", 176},
};

// The legend's box: raised lines, light over dark.
class LegendBox : public QWidget {
 public:
  explicit LegendBox(QWidget* parent) : QWidget(parent) {
    setGeometry(192, 52, 134, 215);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QColor light(Qt::white), dark(128, 128, 128);
    // Panel coordinates: top 52, bottom 265, left 192, separator 202, right end 324.
    auto hline = [&](int y) {
      p.setPen(light);
      p.drawLine(0, y - 52, 324 - 192, y - 52);
      p.setPen(dark);
      p.drawLine(0, y - 52 + 1, 324 - 192, y - 52 + 1);
    };
    hline(52);
    hline(202);
    hline(265);
    p.setPen(light);
    p.drawLine(0, 0, 0, 265 - 52);
    p.setPen(dark);
    p.drawLine(1, 1, 1, 265 - 52);
  }
};

}  // namespace

Panel4::Panel4(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel4"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setFixedSize(337, 403);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);

  const QFont regular = gameFont(kCaptionFont);
  const QFont bold = gameFont(kCaptionFont, true);

  addLabel(QStringLiteral("Label1"), QStringLiteral("Характеристика клебона:"), 8, 8, 156, regular);
  label2_ = addLabel(QStringLiteral("Label2"), QString(), 164, 8, 161, monoFont(16, true));
  label2_->setFixedHeight(20);

  for (const Row& row : kRows) {
    QLabel* caption = addLabel(QStringLiteral("Label%1").arg(row.number), QString::fromUtf8(row.caption), 8,
                               row.top, row.valueLeft - 8, regular);
    if (auto c = characteristicOfLabel(row.number)) {
      captions_[static_cast<int>(*c)] = caption;
      makeHoverTarget(caption, row.number, true);
    } else {
      makeHoverTarget(caption, row.number, false);  // Label6, Label10: a hint, no click
    }
    // Values under the legend box must stop short of its left line.
    const int right = (row.top > 40 && row.top < 265) ? 190 : 330;
    QLabel* value = addLabel(QString::fromUtf8(valueLabelName(row.value)), QString(), row.valueLeft, row.top,
                             right - row.valueLeft, regular);
    value->setProperty("designWidth", value->width());
    values_[static_cast<int>(row.value)] = value;
  }

  auto* aminBox = new QFrame(this);
  aminBox->setObjectName(QStringLiteral("AminBox"));
  aminBox->setFrameStyle(QFrame::Box | QFrame::Sunken);
  aminBox->setGeometry(12, 356, 309, 33);
  addLabel(QStringLiteral("Label18"), QStringLiteral("АМИНОКИСЛОТ"), 20, 364, 106, bold);
  QLabel* amin = addLabel(QStringLiteral("Lamin"), QString(), 128, 364, 97, bold);
  amin->setAlignment(Qt::AlignCenter);
  amin->setProperty("designWidth", amin->width());
  amin->setProperty("designLeft", amin->x());
  values_[static_cast<int>(ValueLabel::Lamin)] = amin;

  bmut_ = new QPushButton(QStringLiteral("Мутация +"), this);
  bmut_->setObjectName(QStringLiteral("BMut"));
  bmut_->setGeometry(232, 364, 80, 19);
  bmut_->setFont(regular);
  connect(bmut_, &QPushButton::clicked, this, &Panel4::bmutClicked);

  new LegendBox(this);
  QLabel* heading =
      addLabel(QStringLiteral("Label27"), QStringLiteral("УПРАВЛЕНИЕ"), 204, 59, 115, monoFont(16, true));
  heading->setFixedHeight(20);
  heading->setAlignment(Qt::AlignCenter);
  makeHoverTarget(heading, 27, true);
  for (const LegendLine& line : kLegend) {
    QLabel* l = addLabel(QStringLiteral("Label%1").arg(line.number), QString::fromUtf8(line.text), 204,
                         line.top, 115, gameFont(kLegendFont, true));
    l->setFixedHeight(18);
    makeHoverTarget(l, line.number, true);
  }
}

QLabel* Panel4::addLabel(const QString& name, const QString& text, int left, int top, int width,
                         const QFont& font) {
  auto* l = new QLabel(text, this);
  l->setObjectName(name);
  l->setFont(font);
  l->setGeometry(left, top, width, kRowHeight);
  l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  labels_.insert(name, l);
  return l;
}

void Panel4::makeHoverTarget(QLabel* label, int number, bool clickable) {
  label->setProperty("labelNumber", number);
  label->setProperty("clickable", clickable);
  label->setMouseTracking(true);
  label->installEventFilter(this);
}

QLabel* Panel4::label(const QString& name) const { return labels_.value(name, nullptr); }

void Panel4::setBMutCaption(const QString& caption) { bmut_->setText(caption); }

void Panel4::apply(const PanelView& view) {
  label2_->setText(QString::fromStdString(view.label2));
  for (int i = 0; i < kValueLabelCount; ++i) {
    QLabel* value = values_[i];
    if (!value) continue;
    value->setText(QString::fromStdString(view.values[i]));
    // A value grows with its text, so that no digit is lost: to the right,
    // or on both sides when centred; it never gets narrower than designed.
    const QVariant design = value->property("designWidth");
    if (!design.isValid()) continue;
    const int width = std::max(design.toInt(), value->sizeHint().width());
    int left = value->x();
    if (value->alignment() & Qt::AlignHCenter)
      left = value->property("designLeft").toInt() - (width - design.toInt()) / 2;
    value->setGeometry(left, value->y(), width, value->height());
  }
  // The bold style of a caption: its next step is affordable.
  const QFont bold = gameFont(kCaptionFont, true);
  const QFont regular = gameFont(kCaptionFont);
  for (int i = 0; i < kCharacteristicCount; ++i) {
    QLabel* caption = captions_[i];
    if (caption && caption->font().bold() != view.bold[i]) caption->setFont(view.bold[i] ? bold : regular);
  }
}

bool Panel4::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label) {
    const int number = label->property("labelNumber").toInt();
    if (event->type() == QEvent::MouseMove) {
      emit captionHovered(number);
    } else if (event->type() == QEvent::MouseButtonRelease && label->property("clickable").toBool()) {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::LeftButton && label->rect().contains(me->position().toPoint()))
        emit captionClicked(number);
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace klebony
