// The baseline for whole-process measurements: the smallest Qt dialog that paints once.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

class QuitOnFirstPaint : public QObject {
public:
    QuitOnFirstPaint(QDialog& dialog, QElapsedTimer& clock) : m_dialog(dialog), m_clock(clock) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_bDone) {
            m_bDone = true;
            std::printf("first-paint-ms %lld\n", static_cast<long long>(m_clock.elapsed()));
            QTimer::singleShot(0, &m_dialog, &QDialog::reject);
        }
        return false;
    }

private:
    QDialog& m_dialog;
    QElapsedTimer& m_clock;
    bool m_bDone = false;
};

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Karvelostrum")));
    QuitOnFirstPaint quit(dialog, clock);
    dialog.installEventFilter(&quit);
    dialog.exec();
    return 0;
}
