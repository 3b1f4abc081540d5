// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  AboutBox(DesktopPort& desktop, QWidget* parent = nullptr);

  QLabel* title = nullptr;
  QPlainTextEdit* credits = nullptr;
  ClickLabel* webLink = nullptr;
  ClickLabel* mailLink = nullptr;

  static const QString kWebAddress;
  static const QString kMailAddress;

 private:
  void openWebPage();
  void writeMail();

  DesktopPort& desktop_;
};

}  // namespace klebony
