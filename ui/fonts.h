#pragma once
// The game's two faces. The game is designed around an informal hand-lettered face
// with a typewriter face for names; these are the Linux stand-ins, both with
// Cyrillic, so every Russian text renders in one face. Sizes are pixel heights.
#include <QFont>

namespace klebony {

// The informal face of panels, labels and buttons.
QFont gameFont(int pixelHeight, bool bold = false);
// The typewriter face (organism names, the key legend's heading).
QFont monoFont(int pixelHeight, bool bold = false);

}  // namespace klebony
