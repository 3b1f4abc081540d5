#pragma once
// The characteristics panel Panel4: captions and values of one organism, the
// amino acid box with the mutation button, and the key legend. It only shows
// what the rules computed (PanelView) and reports the mouse on its captions.
#include <QFrame>
#include <QMap>

#include "panel.h"

class QLabel;
class QPushButton;

namespace klebony {

class Panel4 : public QFrame {
  Q_OBJECT
 public:
  explicit Panel4(QWidget* parent = nullptr);

  void apply(const PanelView& view);
  void setBMutCaption(const QString& caption);

  QPushButton* bmut() const { return bmut_; }
  // Label3 ... Label28, Label2 and the value labels by their names.
  QLabel* label(const QString& name) const;

 signals:
  void captionHovered(int labelNumber);
  void captionClicked(int labelNumber);
  void bmutClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* addLabel(const QString& name, const QString& text, int left, int top, int width, const QFont& font);
  void makeHoverTarget(QLabel* label, int number, bool clickable);

  QMap<QString, QLabel*> labels_;
  QLabel* label2_ = nullptr;
  QLabel* values_[kValueLabelCount] = {};
  QLabel* captions_[kCharacteristicCount] = {};
  QPushButton* bmut_ = nullptr;
};

}  // namespace klebony
