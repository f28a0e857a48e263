// The built-in skin's pictures, drawn from code: the window background and
// the button strips, tracks and thumbs that the built-in skin places on it.
// Strips follow the button-strip convention: equal cells side by side,
// cell 0 at the left (Normal, Mouse Over, Mouse Down, Disabled for four
// cells; Normal and Down, or off and on for a toggle, for two).
#pragma once

#include <vector>

#include "player/skin_art/canvas.h"

namespace vorne::player::skin_art {

// Where the built-in skin shows each picture on the background (pixels), so
// that a button's corners carry the background they sit on.
struct ArtSpec {
    int id;       // bitmap resource number
    const char* use;
    int width;
    int height;
    int cells;    // 1 for a plain picture
    int left;     // placement on the background; -1 for the background itself
    int top;
};

const std::vector<ArtSpec>& SkinArtSpecs();

struct ArtPiece {
    ArtSpec layout;
    Canvas picture;
};

// Every picture, in resource order 101..117.
std::vector<ArtPiece> DrawSkinArt();

// The transparent colour of the background: pure white is cut away.
constexpr Colour kCutColour{255, 255, 255};

// The face as the player shows it: the background with every button in
// cell `cell` of its strip (clamped to the strip's cells) and the thumbs
// at a position along their tracks. For looking at the artwork.
Canvas AssembleFace(const std::vector<ArtPiece>& pieces, int cell);

// A sheet for review: the face at rest, the face with the second cells, and
// every strip and track below them on a neutral ground.
Canvas PreviewSheet(const std::vector<ArtPiece>& pieces);

}  // namespace vorne::player::skin_art
