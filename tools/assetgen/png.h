// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG files written by our own small deflate coder, so the committed bytes
// never depend on the zlib version of the machine that made them. Reading
// goes through zlib, which doubles as a check that the streams are valid; the
// checksums are zlib's too, since the formats fix their values.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/assetgen/image.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

enum class PngKind { Rgb, Rgba };

Bytes encodePng(const Image& img, PngKind kind);
// Decodes 8-bit RGB or RGBA, non-interlaced; nullopt for anything else or on damage.
std::optional<Image> decodePng(const Bytes& file);

Bytes zlibCompress(const Bytes& data);

}  // namespace assetgen
