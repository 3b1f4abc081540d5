// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's pictures, cursors and icons, and the one table that says each
// one's file and size. The asset generator draws them into assets/, the
// game compiles them in (ui/CMakeLists.txt) and loads them by their row.
//
// To add a picture: a member of the enumeration and a row of the table; the
// compiler then asks the generator for its drawing (tools/assetgen/generate.cpp).
// The game loads it by its kind, and a window asks ui/assets.h for it by its id.
#include <array>
#include <stdexcept>

namespace klebony {

// What a picture is for, which fixes how it is stored and loaded.
enum class PictureKind {
  Sheet,    // frames above their masks, drawn as (target AND mask) OR picture; stored as RGB
  Texture,  // tiled; stored as RGB
  Cursor,   // two colours over transparency, the hot spot at the top-left pixel
  Icon,     // over transparency
};

enum class Picture {
  OrganismSheet,
  MarkerSheet,
  HeartSheet,
  TwinkleSheet,
  TissueTexture,
  WindowCursor,
  ButtonCursor,
  BoardCursor,
  OpenIcon,
  SaveIcon,
  ExitIcon,
  AboutIcon,
  HelpIcon,
  AppIcon,  // one row for each size the desktop may ask for
};

struct PictureInfo {
  Picture id;
  PictureKind kind;
  // Below assets/ and the resources' root. The names are the game's own and
  // stay as they are; the package installs the application's icon by its name.
  const char* file;
  int width;
  int height;
};

inline constexpr auto kPictureTable = std::to_array<PictureInfo>({
    // The board's and the start screen's: six strips of six frames (the free
    // cell, then the five organisms), the hover marker's three frames, the
    // heart's four beats, the twinkle's eight frames, the tissue.
    {Picture::OrganismSheet, PictureKind::Sheet, "img/Im_m.png", 72, 144},
    {Picture::MarkerSheet, PictureKind::Sheet, "img/Im_vyd.png", 36, 24},
    {Picture::HeartSheet, PictureKind::Sheet, "img/Im_s.png", 128, 64},
    {Picture::TwinkleSheet, PictureKind::Sheet, "img/Im_z.png", 56, 14},
    {Picture::TissueTexture, PictureKind::Texture, "img/Im_texture.png", 100, 100},
    // An arrow among sparkles (the start screen), among spiky organisms (the
    // buttons), with a ring (the board).
    {Picture::WindowCursor, PictureKind::Cursor, "cursors/CURS.png", 32, 32},
    {Picture::ButtonCursor, PictureKind::Cursor, "cursors/CURSPOLE.png", 32, 32},
    {Picture::BoardCursor, PictureKind::Cursor, "cursors/CURSMIC.png", 32, 32},
    // The game menu's items, then the application's icon.
    {Picture::OpenIcon, PictureKind::Icon, "icons/menu_open.png", 16, 16},
    {Picture::SaveIcon, PictureKind::Icon, "icons/menu_save.png", 16, 16},
    {Picture::ExitIcon, PictureKind::Icon, "icons/menu_exit.png", 16, 16},
    {Picture::AboutIcon, PictureKind::Icon, "icons/menu_about.png", 16, 16},
    {Picture::HelpIcon, PictureKind::Icon, "icons/menu_help.png", 16, 16},
    {Picture::AppIcon, PictureKind::Icon, "icons/klebony-16.png", 16, 16},
    {Picture::AppIcon, PictureKind::Icon, "icons/klebony-32.png", 32, 32},
    {Picture::AppIcon, PictureKind::Icon, "icons/klebony-48.png", 48, 48},
    {Picture::AppIcon, PictureKind::Icon, "icons/klebony-64.png", 64, 64},
    {Picture::AppIcon, PictureKind::Icon, "icons/klebony-128.png", 128, 128},
    {Picture::AppIcon, PictureKind::Icon, "icons/klebony-256.png", 256, 256},
});

static_assert(
    [] {
      // From the first member on, each row names the member of the row
      // before or the next one: no member is skipped or out of place.
      int before = -1;
      for (const PictureInfo& row : kPictureTable) {
        const int id = static_cast<int>(row.id);
        if (id != before && id != before + 1) return false;
        before = id;
      }
      return true;
    }(),
    "the rows follow the enumeration");

// One more than the last member: every member has a row.
inline constexpr int kPictureCount = static_cast<int>(kPictureTable.back().id) + 1;

// The picture's row; the application's icon has several, this is its first.
constexpr const PictureInfo& pictureInfo(Picture picture) {
  for (const PictureInfo& row : kPictureTable)
    if (row.id == picture) return row;
  throw std::logic_error("a picture without a row");
}

// Sheets and textures are opaque; cursors and icons keep their transparency.
constexpr bool storedWithAlpha(PictureKind kind) {
  return kind == PictureKind::Cursor || kind == PictureKind::Icon;
}

}  // namespace klebony
