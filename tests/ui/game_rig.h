// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game window with ports that record instead of blocking, and positions
// built from text.
#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/panel.h"
#include "core/rules.h"
#include "core/world.h"
#include "ui/game/game_window.h"
#include "ui/ports.h"

namespace klebony::gametest {

class SoundLog : public SoundPort {
 public:
  void play(Sound sound, SoundMode) override { played.push_back(sound); }
  std::vector<Sound> played;
};

// Confirms every box at once and keeps its text; answers questions as told.
class ConfirmedMessages : public MessagePort {
 public:
  void message(QWidget*, const QString& text) override { texts << text; }
  bool question(QWidget*, const QString& text) override {
    questions << text;
    return answerYes;
  }
  QStringList texts;
  QStringList questions;
  bool answerYes = false;
};

// Answers the dialogs with a prepared path, or cancels them.
class ScriptedFiles : public FileDialogPort {
 public:
  std::optional<QString> savePath(QWidget*) override {
    ++asked;
    return answer;
  }
  std::optional<QString> openPath(QWidget*) override {
    ++asked;
    return answer;
  }
  std::optional<QString> answer;
  int asked = 0;
};

// Lays out the board from rows of text at the top-left corner: a digit is the
// owner, '.' a free cell; everything else on the board is free. Sizes and
// alive flags follow the board; visibility is what the player's sensors see.
inline void placeBoard(Game& game, std::initializer_list<const char*> rows) {
  World& w = game.world;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      w.cell(x, y).owner = kFree;
      assignStrip(w, x, y, kFree);
      w.cell(x, y).visible = false;
    }
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x]; ++x)
      if (row[x] >= '0' && row[x] <= '4') {
        w.cell(x, y).owner = row[x] - '0';
        assignStrip(w, x, y, row[x] - '0');
      }
    ++y;
  }
  for (Organism& o : w.organisms) {
    o.size = 0;
    o.alive = false;
  }
  for (int x = 0; x < kBoardSize; ++x)
    for (int yy = 0; yy < kBoardSize; ++yy)
      if (int owner = w.cell(x, yy).owner; owner != kFree) {
        ++w.organisms[owner].size;
        w.organisms[owner].alive = true;
      }
  recomputeVisibility(w);
  refreshAffordability(game);
  showPanel(game, kPlayer);
}

struct Rig {
  Game game;
  SoundLog sound;
  ConfirmedMessages messages;
  ScriptedFiles files;
  std::unique_ptr<GameWindow> window;

  Rig() {
    game.random.seed(11);
    game.window.playerName = "Тарвилис";
    window = std::make_unique<GameWindow>(game, Ports{&messages, &files, &sound, nullptr});
  }

  template <class T>
  T* part(const char* name) const {
    return window->findChild<T*>(QLatin1String(name));
  }

  // Shows the window (a new game is set up) and stops the board timer, so
  // that the test alone decides when cells animate and draw at random.
  void open() {
    window->show();
    QApplication::processEvents();
    part<QTimer>("boardTimer")->stop();
  }
};

// The pointer moves over a widget without a button held.
inline void moveOver(QWidget* widget, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

inline QPoint cellCentre(int x, int y) { return {x * kCellPixels + 6, y * kCellPixels + 6}; }

}  // namespace klebony::gametest
