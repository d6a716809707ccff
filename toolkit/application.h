#pragma once
// The program's identity and look, set once on the application object.

namespace toolkit {

// Names the application and its desktop entry (the reverse-DNS id the build
// gives), sets the widget style, and registers the embedded typeface. No display name is set: on X11 Qt would append it to
// every window title, and the message boxes must read exactly "Error" and
// "Confirm".
void ConfigureApplication();

// Gives every window the icon in each size of the icon theme. Decoding them
// costs a tenth of the start-up, so the program sets it after its first paint.
void SetWindowIcon();

}  // namespace toolkit
