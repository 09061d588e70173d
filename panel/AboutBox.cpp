#include "AboutBox.h"

#include "BitmapButton.h"
#include "DialogUnits.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

static QLabel* AddText(QWidget* dialog, const DialogBaseUnits& units, const QString& text, int x, int y,
                       int w, int h)
{
    auto* label = new QLabel(text, dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(MapDialogRect({x, y, w, h}, units));
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
    const DialogBaseUnits units = DialogBaseUnitsOf(dialogFont);

    setWindowTitle(QStringLiteral("O aplikaci Karvelostrum"));

    // Controls in template order, which is also the tab order.
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/res/karvelostrum.png")));
    // A static icon takes the size of its icon, not the template's.
    icon->setGeometry(QRect(MapDialogRect({13, 19, 0, 0}, units).topLeft(), QSize(32, 32)));

    // Shown as written: no mnemonic, no markup.
    AddText(this, units, QStringLiteral("Karvelostrum Verze 3.0"), 51, 9, 82, 8);
    AddText(this, units, QStringLiteral("Konzole pro přednášky"), 51, 21, 87, 8);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setGeometry(MapDialogRect({146, 23, 50, 14}, units));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    AddText(this, units, QStringLiteral("Ovládání přes USB (FTDI)"), 42, 33, 91, 8);
    AddText(this, units, QStringLiteral("Česká verze"), 33, 46, 66, 8);
    AddText(this, units, QStringLiteral("© 2026"), 106, 46, 67, 8);

    setFixedSize(MapDialogSize(211, 66, units));
    ok->setFocus();
}
