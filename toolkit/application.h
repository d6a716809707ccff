#pragma once
// The program's identity and look, set once on the application object.

namespace toolkit {

// The reverse-DNS id that names the desktop entry.
inline constexpr char kDesktopId[] = "org.orvane.Orvane";

// Names the application and its desktop entry, sets the widget style and
// registers the embedded typeface. No display name is set: on X11 Qt would
// append it to every window title, and the message boxes must read exactly
// "Error" and "Confirm".
void ConfigureApplication();

}  // namespace toolkit
