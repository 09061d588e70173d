#pragma once

#include <QDialog>

// Text of the About entry of the window menu: the double quotes belong to it and are shown,
// the ampersand marks O as the mnemonic.
inline constexpr char kAboutMenuText[] = "\"&O aplikaci Karvelostrum...\"";

// The About box: icon, name and version, a few lines about the program, and OK.
// OK accepts; Escape and the close box reject. Laid out in dialog units of its own font.
class CAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* pParent = nullptr);
};
