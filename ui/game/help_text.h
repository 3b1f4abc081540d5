#pragma once
// The game's help, as Memo1 shows it.
#include <QString>

namespace klebony {

QString helpText();

}  // namespace klebony
