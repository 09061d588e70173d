#include "SimFace.h"

#include "SimDriver.h"
#include "SimulatedUnit.h"

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

class LampWidget : public QWidget {
public:
    LampWidget(QColor colour, QWidget* parent) : QWidget(parent), m_colour(colour) { setFixedSize(44, 44); }
    void SetLit(bool lit) {
        if (lit != m_bLit) {
            m_bLit = lit;
            update();
        }
    }
    bool IsLit() const { return m_bLit; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(m_bLit ? m_colour : m_colour.darker(400));
        painter.drawEllipse(rect().adjusted(3, 3, -3, -3));
    }

private:
    QColor m_colour;
    bool m_bLit = false;
};

namespace {
constexpr int kRefreshMs = 100;
constexpr qint64 kFlashMs = 1500;
}  // namespace

SimFace::SimFace(SimulatedUnit& unit, SimDriver& driver, QWidget* parent)
    : QWidget(parent, Qt::Window), m_unit(unit), m_driver(driver) {
    setWindowTitle(QStringLiteral("Simulovaná jednotka Karvelostrum"));

    auto* layout = new QVBoxLayout(this);

    m_pDisplay = new QLabel(this);
    QFont displayFont(QStringLiteral("Liberation Mono"));
    displayFont.setPixelSize(64);
    displayFont.setBold(true);
    m_pDisplay->setFont(displayFont);
    m_pDisplay->setAlignment(Qt::AlignCenter);
    m_pDisplay->setAutoFillBackground(true);
    m_pDisplay->setMinimumWidth(260);
    QPalette displayPalette = m_pDisplay->palette();
    displayPalette.setColor(QPalette::Window, QColor(20, 20, 20));
    m_pDisplay->setPalette(displayPalette);
    layout->addWidget(m_pDisplay);

    m_pReply = new QLabel(this);
    m_pReply->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_pReply);

    auto* lights = new QGroupBox(QStringLiteral("Semafor"), this);
    auto* lightsLayout = new QHBoxLayout(lights);
    const QColor colours[3] = {QColor(0, 200, 0), QColor(255, 200, 0), QColor(230, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        m_pLamps[i] = new LampWidget(colours[i], lights);
        lightsLayout->addWidget(m_pLamps[i]);
    }
    layout->addWidget(lights);

    m_pMicrophone = new QLabel(this);
    m_pWarning = new QLabel(this);
    m_pWarning->setAutoFillBackground(true);
    layout->addWidget(m_pMicrophone);
    layout->addWidget(m_pWarning);

    m_pPlug = new QPushButton(this);
    layout->addWidget(m_pPlug);
    connect(m_pPlug, &QPushButton::clicked, this, [this] {
        if (m_driver.IsPlugged())
            m_driver.Unplug();
        else
            m_driver.Replug();
        Refresh();
    });

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &SimFace::Refresh);
    timer->start(kRefreshMs);
    m_nBeepsSeen = m_unit.BeepCount();
    Refresh();
}

void SimFace::Refresh() {
    // The display shows digits; the overtime marker only turns them red.
    QString text = QString::fromLatin1(m_unit.DisplayText().c_str());
    const bool overtime = text[0].unicode() >= '@';
    if (overtime)
        text[0] = QChar(text[0].unicode() - 0x10);
    m_pDisplay->setText(text);
    QPalette palette = m_pDisplay->palette();
    palette.setColor(QPalette::WindowText, overtime ? QColor(255, 60, 60) : QColor(90, 255, 90));
    m_pDisplay->setPalette(palette);
    m_pReply->setText(QStringLiteral("Stavová odpověď: %1").arg(QString::fromLatin1(m_unit.StatusReply().c_str())));

    const TrafficLight light = m_unit.Light();
    m_pLamps[0]->SetLit(light == TrafficLight::Green);
    m_pLamps[1]->SetLit(light == TrafficLight::Yellow);
    m_pLamps[2]->SetLit(light == TrafficLight::Red);

    m_pMicrophone->setText(m_unit.IsMicrophoneCut() ? QStringLiteral("Mikrofon: odpojen")
                                                    : QStringLiteral("Mikrofon: zapnut"));

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int beeps = m_unit.BeepCount();
    if (beeps != m_nBeepsSeen) {
        m_nBeepsSeen = beeps;
        m_flashUntil = now + kFlashMs;
        QApplication::beep();
    }
    const bool flashing = now < m_flashUntil;
    m_pWarning->setText(QStringLiteral("Akustická výstraha: %1%2")
                            .arg(m_unit.IsAlarmOn() ? QStringLiteral("zapnuta") : QStringLiteral("vypnuta"),
                                 flashing ? QStringLiteral("  ♪ zní ♪") : QString()));
    QPalette warning = m_pWarning->palette();
    warning.setColor(QPalette::Window, flashing ? QColor(255, 170, 0) : this->palette().color(QPalette::Window));
    m_pWarning->setPalette(warning);

    m_pPlug->setText(m_driver.IsPlugged() ? QStringLiteral("Odpojit jednotku (USB)")
                                          : QStringLiteral("Připojit jednotku (USB)"));
}
