// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One label in a window, reporting its first paint the way the game does
// (KLEBONY_REPORT_FIRST_PAINT), so start-up and memory compare like for like.
#include <QApplication>
#include <QLabel>
#include <chrono>
#include <cstdio>

namespace {

class Label : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    std::fprintf(stderr, "first-paint %lld\n", static_cast<long long>(ms));
    std::fflush(stderr);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Label label(QStringLiteral("Клебоны"));
  label.resize(192, 203);
  label.show();
  return app.exec();
}
