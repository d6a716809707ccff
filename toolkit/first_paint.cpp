#include "toolkit/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> then)
{
    new FirstPaintWatch(window, std::move(then));
}

void QuitAfterFirstPaintIfAsked(QWidget* window)
{
    if (qEnvironmentVariableIsSet("ORVANE_QUIT_AFTER_FIRST_PAINT"))
        AfterFirstPaint(window, [] { QCoreApplication::quit(); });
}

}  // namespace toolkit
