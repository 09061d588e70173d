#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace {
// a * b / c rounded half away from zero, for the non-negative values of a layout.
int ScaleRounded(int a, int b, int c) { return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c); }
}  // namespace

DialogBaseUnits DialogBaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nWidth52 = metrics.horizontalAdvance(
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    // Windows halves the width of 26 letter pairs and rounds up at .5.
    return {(nWidth52 / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const DialogRect& rect, const DialogBaseUnits& base) {
    return {ScaleRounded(rect.x, base.nCx, 4), ScaleRounded(rect.y, base.nCy, 8), ScaleRounded(rect.cx, base.nCx, 4),
            ScaleRounded(rect.cy, base.nCy, 8)};
}

QSize MapDialogSize(int cx, int cy, const DialogBaseUnits& base) {
    return {ScaleRounded(cx, base.nCx, 4), ScaleRounded(cy, base.nCy, 8)};
}
