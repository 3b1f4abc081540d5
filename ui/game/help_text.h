#pragma once
// The game's help, as the help panel shows it.
#include <QString>

namespace klebony {

QString helpText();

}  // namespace klebony
