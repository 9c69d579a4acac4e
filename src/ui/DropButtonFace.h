#pragma once
// The drop button of the skinned combo boxes when their art is missing: a light gradient in a
// frame with a down chevron, so the control still reads as a combo box.
#include <windows.h>

enum class DropButtonState { Normal, Hot, Pressed, Disabled };

void DrawDropButtonFace(HDC dc, const RECT& rect, DropButtonState state);
