#ifndef DIALOGDRIVER_H
#define DIALOGDRIVER_H

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

// Answers a modal dialog that the code under test is about to open: polls
// the application's active modal widget and hands the first one of type T
// to `handler` (which fills it in and accepts or rejects it). Returns a flag
// the test can check afterwards to know the dialog really came up.
template<typename T>
std::shared_ptr<bool> whenModal(std::function<void(T *)> handler)
{
    auto seen = std::make_shared<bool>(false);
    auto *timer = new QTimer(qApp);
    timer->setInterval(5);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler, seen, polls] {
        if (++*polls > 2000) { // gave up: the dialog never came
            timer->stop();
            timer->deleteLater();
            return;
        }
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        *seen = true;
        handler(dialog);
    });
    timer->start();
    return seen;
}

#endif // DIALOGDRIVER_H
