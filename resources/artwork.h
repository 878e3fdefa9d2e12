// The program's artwork: every bitmap of the build configuration the
// executable was made for, registered by type and id.
//
// Two libraries implement addArtwork, and an executable links exactly one:
// velmora_art_standard (96-dpi screens) and velmora_art_vga (192-dpi
// screens). Besides the card, chooser, toolbar and logo bitmaps ("BITMAP":
// little-endian 16-bit width and height, then R, G, B per pixel from the
// top row), each registers the program icon as type "ICON", id 101, in the
// same layout, 32 x 32 (standard) or 64 x 64 (VGA).
//
// Transparent colours: the card glyphs, grey marks, redeal marks, toolbar
// strip and the chooser's reset icon use white (0xFFFFFF); the other
// chooser icons and the program icon use pure green (0x00FF00). Everything
// copied with a transparent colour has hard edges, so nothing near either
// colour is left around a shape. Faces' glyphs, backs and the logo (on
// white) are meant to be copied opaque and are smoothed.
//
// Sizes the program's layout leaves to the artwork (standard; VGA is twice
// each): category, folder and favourite-star icons 16 x 15; skill icons 10,
// 20 and 30 x 15; hourglasses 11 x 15; the skill button's stars 15 x 15;
// the clock 13 x 15; the reset icon 11 x 13; the favourite arrows 12 x 11;
// toolbar images 16 x 16 in a strip of four; the logo 48 x 48.
#pragma once

#include "resource_table.h"

namespace velmora {

void addArtwork(ResourceTable& resources);

}  // namespace velmora
