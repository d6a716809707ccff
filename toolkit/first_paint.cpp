#include "toolkit/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace toolkit {

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> then)
        : QObject(window)
        , then_(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: after this paint has been drawn and handed to the screen.
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

// Ends the process the moment the window's first picture is painted, before
// any work that waits for that picture.
class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        std::quick_exit(0);
    }
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> then)
{
    new FirstPaintWatch(window, std::move(then));
}

void QuitAfterFirstPaintIfAsked(QWidget* window)
{
    // Installed last, so that it sees the paint before any other watch.
    if (qEnvironmentVariableIsSet("ORVANE_QUIT_AFTER_FIRST_PAINT"))
        window->installEventFilter(new FirstPaintExit(window));
}

}  // namespace toolkit
