#pragma once

// When the parts of the program that its first picture does not show (the
// tabs behind the splash, the dialogs) are built: at once, or right after
// that picture so that the window appears sooner.
enum class Startup { AtOnce, AfterFirstPaint };
