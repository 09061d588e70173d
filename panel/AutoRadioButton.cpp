#include "AutoRadioButton.h"

#include <QKeyEvent>

AutoRadioButton::AutoRadioButton(const QString& text, QWidget* pParent) : QRadioButton(text, pParent) {
    // Qt's own exclusivity cannot leave a group with nothing checked; the group is ours.
    setAutoExclusive(false);
}

void AutoRadioButton::nextCheckState() {
    for (AutoRadioButton* pOther : m_group)
        if (pOther != this)
            pOther->setChecked(false);
    setChecked(true);
}

void AutoRadioButton::keyPressEvent(QKeyEvent* pEvent) {
    int nStep = 0;
    switch (pEvent->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        nStep = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        nStep = 1;
        break;
    default:
        QRadioButton::keyPressEvent(pEvent);
        return;
    }
    const int nCount = static_cast<int>(m_group.size());
    const int nSelf = static_cast<int>(m_group.indexOf(this));
    if (nSelf < 0)
        return;
    // Round the group, past buttons that cannot take the focus.
    for (int i = 1; i < nCount; ++i) {
        AutoRadioButton* pNext = m_group[((nSelf + nStep * i) % nCount + nCount) % nCount];
        if (!pNext->isEnabled() || !pNext->isVisibleTo(window()))
            continue;
        pNext->setFocus(nStep < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        if (!pNext->isChecked())
            pNext->click();
        return;
    }
}
