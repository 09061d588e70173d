#pragma once
// The simulated unit's face for the demo: its display, traffic light, microphone and
// acoustic warning, with buttons to unplug and replug it.

#include <QWidget>

class QLabel;
class QPushButton;
class SimDriver;
class SimulatedUnit;

class LampWidget;

class SimFace : public QWidget {
    Q_OBJECT
public:
    SimFace(SimulatedUnit& unit, SimDriver& driver, QWidget* parent = nullptr);

    // Reads the unit afresh; called by the face's own timer.
    void Refresh();

private:
    SimulatedUnit& m_unit;
    SimDriver& m_driver;
    QLabel* m_pDisplay;
    QLabel* m_pReply;
    LampWidget* m_pLamps[3];
    QLabel* m_pMicrophone;
    QLabel* m_pWarning;
    QPushButton* m_pPlug;
    int m_nBeepsSeen = 0;
    qint64 m_flashUntil = 0;
};
