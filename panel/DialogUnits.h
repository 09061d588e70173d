#pragma once
// Dialog units to pixels, from the dialog font's metrics as Windows computes them, so that
// the template's layout keeps its proportions whatever font the platform supplies.

#include "ControlTable.h"

#include <QRect>
#include <QSize>

class QFont;

struct DialogBaseUnits {
    int nCx;  // average width of the 52 letters a-z A-Z, rounded as Windows does
    int nCy;  // font height
};

DialogBaseUnits DialogBaseUnitsOf(const QFont& font);

// x px = x * cx / 4, y px = y * cy / 8, each rounded to the nearest pixel.
QRect MapDialogRect(const DialogRect& rect, const DialogBaseUnits& base);
QSize MapDialogSize(int cx, int cy, const DialogBaseUnits& base);
