#pragma once
// The program's cursors: ten pictures of our own, made once and handed to
// the window layer, and the widgets' table of eleven (the arrow first).
#include <cstdint>

#include "platform/window/backend.h"

// The picture of cursor resource `resource` (106, 143, 146, 147, 158, 159,
// 190, 191, 237, 240); an empty picture for any other number.
platform::win::CursorImage MakeCursorImage(int resource);
// The layer's cursor id for an entry of the widgets' table (0: the arrow);
// the pictures are registered with the layer on first use.
int CursorForState(int state);
// The resource number of an entry of the table; 0 for the arrow.
int CursorResourceOfState(int state);
// The layer's cursor id for a resource (0 when unknown).
int LoadCursorResource(int resource);
