#include "AboutBox.h"

#include "BitmapButton.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

// Dialog units in pixels, as Windows computes them from the dialog's font.
struct DialogUnits
{
    int BaseX;
    int BaseY;

    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        BaseX = (letters / 26 + 1) / 2;
        BaseY = metrics.height();
    }

    QRect ToPixels(int x, int y, int w, int h) const
    {
        return QRect(X(x), Y(y), X(w), Y(h));
    }
    // Rounded to the nearest pixel, like MulDiv.
    int X(int du) const { return (du * BaseX + 2) / 4; }
    int Y(int du) const { return (du * BaseY + 4) / 8; }
};

static QLabel* AddText(QWidget* dialog, const DialogUnits& units, const QString& text, int x, int y,
                       int w, int h)
{
    auto* label = new QLabel(text, dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(units.ToPixels(x, y, w, h));
    return label;
}

CAboutBox::CAboutBox(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    RegisterPanelImages();
    QFont dialogFont = QApplication::font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    const DialogUnits units(dialogFont);

    setWindowTitle(QStringLiteral("O aplikaci Karvelostrum"));

    // Controls in template order, which is also the tab order.
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/res/karvelostrum.png")));
    // A static icon takes the size of its icon, not the template's.
    icon->setGeometry(QRect(units.ToPixels(13, 19, 0, 0).topLeft(), QSize(32, 32)));

    // Shown as written: no mnemonic, no markup.
    AddText(this, units, QStringLiteral("Karvelostrum Verze 3.0"), 51, 9, 82, 8);
    AddText(this, units, QStringLiteral("Konzole pro přednášky"), 51, 21, 87, 8);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setGeometry(units.ToPixels(146, 23, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    AddText(this, units, QStringLiteral("Ovládání přes USB (FTDI)"), 42, 33, 91, 8);
    AddText(this, units, QStringLiteral("Česká verze"), 33, 46, 66, 8);
    AddText(this, units, QStringLiteral("© 2026"), 106, 46, 67, 8);

    setFixedSize(units.X(211), units.Y(66));
    ok->setFocus();
}
