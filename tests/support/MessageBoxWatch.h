#pragma once
// Answers message boxes from inside their own event loop, so a test can click a command that
// shows one (or several in turn: the integer prompt, then the range message).

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <vector>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// While it lives, every message box that opens is recorded and closed with OK.
class MessageBoxWatch {
public:
    MessageBoxWatch() {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_seen.push_back({pBox->windowTitle(), pBox->text(), pBox->icon()});
                if (whileOpen)
                    whileOpen();
                pBox->accept();
            }
        });
        m_timer.start();
    }
    const std::vector<SeenBox>& Seen() const { return m_seen; }
    // Runs inside each box's event loop, before the box is closed.
    std::function<void()> whileOpen;

private:
    QTimer m_timer;
    std::vector<SeenBox> m_seen;
};
