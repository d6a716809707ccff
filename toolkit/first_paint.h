#pragma once
// Work that the first picture of a window does not need runs right after
// that picture, so that the window appears sooner.

#include <functional>

class QWidget;

namespace toolkit {

// Runs `then` once, after the window has painted for the first time; the
// work asked for one window runs in the order it was asked for.
void AfterFirstPaint(QWidget* window, std::function<void()> then);

// Start-up measurement: with ORVANE_QUIT_AFTER_FIRST_PAINT set in the
// environment, the program ends as soon as the window has painted once.
void QuitAfterFirstPaintIfAsked(QWidget* window);

}  // namespace toolkit
