#pragma once
// The night colours for the life of a test, the day's afterwards.

#include "toolkit/color_scheme.h"

struct NightScope {
    NightScope() { toolkit::ColorScheme::instance().setNight(true); }
    ~NightScope() { toolkit::ColorScheme::instance().setNight(false); }
    NightScope(const NightScope&) = delete;
    NightScope& operator=(const NightScope&) = delete;
};
