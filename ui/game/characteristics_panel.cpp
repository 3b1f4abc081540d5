#include "ui/game/characteristics_panel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/palette.h"

namespace klebony {

namespace {

constexpr int kCaptionFont = 12;
constexpr int kLegendFont = 13;
constexpr int kRowHeight = 17;  // the rows' spacing

// The value labels start where their caption ends: further right for the
// long defence captions, further left for the hit points' long value.
int valueLeft(const PanelRow& row) {
  if (row.item.kind != PanelItem::Kind::Characteristic) return 156;
  if (row.item.characteristic == Characteristic::Vitality) return 136;
  return info(row.item.characteristic).battleRole == BattleRole::Defence ? 210 : 156;
}

constexpr int kFirstRowTop = 30;
constexpr int kAminoAcidBoxTop = 356;

// A row every 17 pixels from the top; closer when more rows must fit above
// the amino acid box.
int rowTop(const PanelRow& row) {
  const int rows = static_cast<int>(panelRows().size());
  return kFirstRowTop + std::min(kRowHeight, (kAminoAcidBoxTop - kFirstRowTop) / rows) * row.row;
}

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
    const QColor light = palette::kBevelLight, dark = palette::kBevelDark;
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

CharacteristicsPanel::CharacteristicsPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel4"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setFixedSize(337, 403);
  palette::fill(this, palette::kPanelGrey, palette::kText);

  const QFont regular = gameFont(kCaptionFont);
  const QFont bold = gameFont(kCaptionFont, true);

  addLabel(QStringLiteral("Label1"), QStringLiteral("Характеристика клебона:"), 8, 8, 156, regular);
  name_ = addLabel(QStringLiteral("Label2"), QString(), 164, 8, 161, monoFont(16, true));
  name_->setFixedHeight(20);

  for (const PanelRow& row : panelRows()) {
    const int left = valueLeft(row);
    const int top = rowTop(row);
    QLabel* caption = addLabel(QString::fromUtf8(row.captionLabel), QString::fromUtf8(row.caption), 8, top,
                               left - 8, regular);
    makeTarget(caption, row.item);
    if (row.item.kind == PanelItem::Kind::Characteristic)
      captions_[static_cast<int>(row.item.characteristic)] = caption;
    // Values under the legend box must stop short of its left line.
    const int right = (top > 40 && top < 265) ? 190 : 330;
    values_.insert(&row,
                   addLabel(QString::fromUtf8(row.valueLabel), QString(), left, top, right - left, regular));
  }

  auto* aminoBox = new QFrame(this);
  aminoBox->setObjectName(QStringLiteral("AminBox"));
  aminoBox->setFrameStyle(QFrame::Box | QFrame::Sunken);
  aminoBox->setGeometry(12, kAminoAcidBoxTop, 309, 33);
  addLabel(QStringLiteral("Label18"), QStringLiteral("АМИНОКИСЛОТ"), 20, 364, 106, bold);
  aminoAcids_ = addLabel(QStringLiteral("Lamin"), QString(), 128, 364, 97, bold);
  aminoAcids_->setAlignment(Qt::AlignCenter);
  aminoAcids_->setProperty("designWidth", aminoAcids_->width());
  aminoAcids_->setProperty("designLeft", aminoAcids_->x());

  mutationButton_ = new QPushButton(QStringLiteral("Мутация +"), this);
  mutationButton_->setObjectName(QStringLiteral("BMut"));
  mutationButton_->setGeometry(232, 364, 80, 19);
  mutationButton_->setFont(regular);
  connect(mutationButton_, &QPushButton::clicked, this, &CharacteristicsPanel::mutationButtonClicked);

  new LegendBox(this);
  QLabel* heading =
      addLabel(QStringLiteral("Label27"), QStringLiteral("УПРАВЛЕНИЕ"), 204, 59, 115, monoFont(16, true));
  heading->setFixedHeight(20);
  heading->setAlignment(Qt::AlignCenter);
  makeTarget(heading, {PanelItem::Kind::KeyLegend});
  for (const LegendLine& line : kLegend) {
    QLabel* l = addLabel(QStringLiteral("Label%1").arg(line.number), QString::fromUtf8(line.text), 204,
                         line.top, 115, gameFont(kLegendFont, true));
    l->setFixedHeight(18);
    makeTarget(l, {PanelItem::Kind::KeyLegend});
  }
}

QLabel* CharacteristicsPanel::addLabel(const QString& name, const QString& text, int left, int top, int width,
                                       const QFont& font) {
  auto* l = new QLabel(text, this);
  l->setObjectName(name);
  l->setFont(font);
  l->setGeometry(left, top, width, kRowHeight);
  l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  labels_.insert(name, l);
  return l;
}

void CharacteristicsPanel::makeTarget(QLabel* label, PanelItem item) {
  targets_.insert(label, item);
  label->setMouseTracking(true);
  label->installEventFilter(this);
}

QLabel* CharacteristicsPanel::label(const QString& name) const { return labels_.value(name, nullptr); }

void CharacteristicsPanel::setMutationButtonCaption(const QString& caption) {
  mutationButton_->setText(caption);
}

void CharacteristicsPanel::showValue(QLabel* value, const QString& text) {
  value->setText(text);
  // A value grows with its text, so that no digit is lost: to the right,
  // or on both sides when centred; it never gets narrower than designed.
  const int design = value->property("designWidth").toInt();
  const int width = std::max(design, value->sizeHint().width());
  int left = value->x();
  if (value->alignment() & Qt::AlignHCenter)
    left = value->property("designLeft").toInt() - (width - design) / 2;
  value->setGeometry(left, value->y(), width, value->height());
}

void CharacteristicsPanel::apply(const PanelView& view) {
  name_->setText(QString::fromStdString(view.name));
  for (auto it = values_.cbegin(); it != values_.cend(); ++it)
    showValue(it.value(), QString::fromStdString(rowValue(view, *it.key())));
  showValue(aminoAcids_, QString::fromStdString(view.aminoAcids));
  // The bold style of a caption: its next step is affordable.
  const QFont bold = gameFont(kCaptionFont, true);
  const QFont regular = gameFont(kCaptionFont);
  for (int i = 0; i < kCharacteristicCount; ++i) {
    QLabel* caption = captions_[i];
    if (caption && caption->font().bold() != view.bold[i]) caption->setFont(view.bold[i] ? bold : regular);
  }
}

bool CharacteristicsPanel::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  const auto target = label ? targets_.constFind(label) : targets_.cend();
  if (target != targets_.cend()) {
    if (event->type() == QEvent::MouseMove) {
      emit itemHovered(*target);
    } else if (event->type() == QEvent::MouseButtonRelease) {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::LeftButton && label->rect().contains(me->position().toPoint()))
        emit itemClicked(*target);
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace klebony
