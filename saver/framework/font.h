// GDI fonts made from font objects, for labels and child controls.
#pragma once

#include <windows.h>

#include "property_store.h"

// The font at the screen's density (its size in points); the caller deletes
// it. The stock GUI font when the platform refuses.
HFONT CreateFontOf(const FontObject& font);
