// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characteristics panel: captions and values of one organism, the amino
// acid box with the mutation button, and the key legend. It only shows what
// the rules computed (PanelView) and reports the pointer on its items.
#include <QFrame>
#include <QMap>
#include <vector>

#include "core/panel.h"

class QLabel;
class QPushButton;

namespace klebony {

class CharacteristicsPanel : public QFrame {
  Q_OBJECT
 public:
  // One line of the key legend: its label's object name and its text.
  struct LegendLine {
    QString name;
    QString text;
  };

  // The legend's lines stand top to bottom in the given order.
  explicit CharacteristicsPanel(const std::vector<LegendLine>& legend, QWidget* parent = nullptr);

  void apply(const PanelView& view);
  void setMutationButtonCaption(const QString& caption);
  // What a screen reader hears of each caption in the mutation mode, in the
  // table's order: its offer; an empty list: the plain captions again.
  void setOffers(const std::vector<QString>& offers);
  // The caption that the keys picked in the mutation mode stands out; -1: none.
  void showChosen(int characteristic);

  QPushButton* mutationButton() const { return mutationButton_; }

 signals:
  void itemHovered(klebony::PanelItem item);
  void itemClicked(klebony::PanelItem item);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A value beside its caption: its designed place, and the edge it may grow to.
  struct Value {
    QLabel* label;
    QLabel* caption;
    QRect design;
    int limit;
  };

  void addHeading();
  void addRows();
  void addAminoAcidBox();
  void addLegend(const std::vector<LegendLine>& legend);
  QLabel* addLabel(const QString& name, const QString& text, const QRect& geometry, const QFont& font);
  void makeTarget(QLabel* label, PanelItem item);
  void showValue(const Value& value, const QString& text);
  void showAminoAcids(const QString& text);

  QMap<QLabel*, PanelItem> targets_;
  QLabel* name_ = nullptr;
  QLabel* nameCaption_ = nullptr;
  QLabel* aminoAcidCaption_ = nullptr;
  int chosen_ = -1;
  QLabel* aminoAcids_ = nullptr;
  std::vector<std::pair<const PanelRow*, Value>> values_;
  QLabel* captions_[kCharacteristicCount] = {};
  QPushButton* mutationButton_ = nullptr;
};

}  // namespace klebony
