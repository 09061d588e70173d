#pragma once
// Closes the next modal message box from inside its own event loop and remembers what it said.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

inline void CloseNextMessageBox(SeenMessage& seen, int attempts = 50) {
    QTimer::singleShot(0, [&seen, attempts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attempts > 0)
                CloseNextMessageBox(seen, attempts - 1);
            return;
        }
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        box->accept();
    });
}

// While it lives, accepts every message box that opens, however many a command shows in turn
// (the integer prompt and then the range message, say).
class MessageBoxCloser {
public:
    MessageBoxCloser() {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};
