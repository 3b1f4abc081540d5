#pragma once
// The about box: title, version and credits, and two links.
#include <QDialog>
#include <QLabel>

class QPlainTextEdit;

namespace klebony {

class DesktopPort;

// A label that reports a left click, for the two links.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TFOProgramme : public QDialog {
  Q_OBJECT
 public:
  TFOProgramme(DesktopPort& desktop, QWidget* parent = nullptr);

  QLabel* Panel2 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  ClickLabel* Label1 = nullptr;
  ClickLabel* Label2 = nullptr;

  static const QString kWebAddress;
  static const QString kMailAddress;

 private:
  void Label1Click();
  void Label2Click();

  DesktopPort& desktop_;
};

}  // namespace klebony
