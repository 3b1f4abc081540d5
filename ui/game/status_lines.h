#pragma once
// Panel2 with the two status lines under the board, and StatusBar1 with the
// credits at the window's foot.
#include <QFrame>

class QLabel;

namespace klebony {

class StatusLines : public QFrame {
  Q_OBJECT
 public:
  explicit StatusLines(QWidget* parent = nullptr);
  void setLines(const QString& h1, const QString& h2);
  QLabel* h1() const { return h1_; }
  QLabel* h2() const { return h2_; }

 private:
  QLabel* h1_ = nullptr;
  QLabel* h2_ = nullptr;
};

class CreditsBar : public QWidget {
  Q_OBJECT
 public:
  explicit CreditsBar(QWidget* parent = nullptr);
};

}  // namespace klebony
