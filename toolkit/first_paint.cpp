#include "toolkit/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <vector>

namespace toolkit {

namespace {

// One per window, so that the work runs in the order it was asked for: the
// window's own pictures before what others add later.
class FirstPaintWatch : public QObject {
    Q_OBJECT

public:
    explicit FirstPaintWatch(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    void Add(std::function<void()> then) { work_.push_back(std::move(then)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: after this paint has been drawn and handed to the screen.
            QTimer::singleShot(0, this, [this] {
                // By index, each taken out first: work may ask for more, which
                // runs in this turn too.
                for (std::size_t i = 0; i < work_.size(); ++i) {
                    const std::function<void()> then = std::move(work_[i]);
                    then();
                }
                // Out of the window's sight, so that later work waits for a watch of its own.
                setParent(nullptr);
                deleteLater();
            });
        }
        return false;
    }

private:
    std::vector<std::function<void()>> work_;
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
    auto* watch = window->findChild<FirstPaintWatch*>(QString(), Qt::FindDirectChildrenOnly);
    if (!watch)
        watch = new FirstPaintWatch(window);
    watch->Add(std::move(then));
}

void QuitAfterFirstPaintIfAsked(QWidget* window)
{
    // Installed last, so that it sees the paint before any other watch.
    if (qEnvironmentVariableIsSet("ORVANE_QUIT_AFTER_FIRST_PAINT"))
        window->installEventFilter(new FirstPaintExit(window));
}

}  // namespace toolkit

#include "first_paint.moc"
