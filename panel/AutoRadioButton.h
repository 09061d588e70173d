#pragma once
// A radio button that behaves as the template's auto radio buttons do: a click checks it and
// unchecks the rest of its group, clicking a checked one keeps it checked, the arrow keys move
// through the group and check the button they reach. Setting the check from code touches only
// this button, so a group can stand with none checked.

#include <QList>
#include <QRadioButton>

class AutoRadioButton : public QRadioButton {
public:
    AutoRadioButton(const QString& text, QWidget* pParent);

    // The radios of this button's group, itself included, in creation order.
    void SetGroup(const QList<AutoRadioButton*>& group) { m_group = group; }

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    QList<AutoRadioButton*> m_group;
};
