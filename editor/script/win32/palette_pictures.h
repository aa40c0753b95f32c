// The numbers of the command palette's pictures in palette_pictures.rc; the
// resource script includes this file too, so it holds only #defines.
#pragma once

// Button n of the palette (1-based, in its page order) shows picture 300 + n.
#define ORV_PALETTE_PICTURE_BASE 300

#ifndef RC_INVOKED
namespace orv::editor::PaletteResource {
constexpr int PictureBase = ORV_PALETTE_PICTURE_BASE;
}  // namespace orv::editor::PaletteResource
#endif
