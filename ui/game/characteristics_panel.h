#pragma once
// The characteristics panel: captions and values of one organism, the amino
// acid box with the mutation button, and the key legend. It only shows what
// the rules computed (PanelView) and reports the pointer on its items.
#include <QFrame>
#include <QMap>

#include "core/panel.h"

class QLabel;
class QPushButton;

namespace klebony {

class CharacteristicsPanel : public QFrame {
  Q_OBJECT
 public:
  explicit CharacteristicsPanel(QWidget* parent = nullptr);

  void apply(const PanelView& view);
  void setMutationButtonCaption(const QString& caption);

  QPushButton* mutationButton() const { return mutationButton_; }
  // A label by its widget name: the captions and legend lines (Label3 ...
  // Label28), the name (Label2) and the value labels (Llive ... Lamin).
  QLabel* label(const QString& name) const;

 signals:
  void itemHovered(klebony::PanelItem item);
  void itemClicked(klebony::PanelItem item);
  void mutationButtonClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* addLabel(const QString& name, const QString& text, int left, int top, int width, const QFont& font);
  void makeTarget(QLabel* label, PanelItem item);
  void showValue(QLabel* value, const QString& text);

  QMap<QString, QLabel*> labels_;
  QMap<QLabel*, PanelItem> targets_;
  QLabel* name_ = nullptr;
  QLabel* aminoAcids_ = nullptr;
  QMap<const PanelRow*, QLabel*> values_;
  QLabel* captions_[kCharacteristicCount] = {};
  QPushButton* mutationButton_ = nullptr;
};

}  // namespace klebony
