// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1251, the code page of the saved game's names. Names live in memory
// as UTF-8 and are converted only at the file's edge.
#include <optional>
#include <string>
#include <string_view>

namespace klebony {

// True when Windows-1251 has a byte for the character (U+0000 included).
bool cp1251Representable(char32_t c);
// UTF-8 to Windows-1251; nothing when the text is not valid UTF-8 or holds a
// character the code page cannot hold. Never substitutes a replacement byte.
std::optional<std::string> utf8ToCp1251(std::string_view utf8);
// The player's name as the name dialog takes it, so that a saved name always
// loads back the same: at most 15 characters, each printable and held by
// Windows-1251. The driver's `name` and the dialog's validator both ask here.
inline constexpr int kNameMaxLength = 15;
bool nameCharacterAllowed(char32_t c);
bool acceptableName(std::string_view utf8);
// Windows-1251 to UTF-8. The one unassigned byte, 0x98, becomes U+FFFD.
std::string cp1251ToUtf8(std::string_view bytes);

}  // namespace klebony
