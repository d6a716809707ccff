#pragma once
// Platform services that tests replace: the default beep, the tick count,
// the message boxes and the file dialogs. The program uses the default services; a test installs
// its own with ScopedPlatform to count beeps, answer boxes or drive the clock.

#include <QString>
#include <cstdint>

class QPrinter;
class QWidget;

namespace toolkit {

// The caption of the general error handler's boxes.
inline constexpr char kProgramTitle[] = "Orvane 2004";

class Platform {
public:
    virtual ~Platform();

    // The default beep (message beep of type 0).
    virtual void Beep();

    // Milliseconds since an arbitrary start, wrapping at 2^32.
    virtual std::uint32_t TickCount();

    // Caption "Error", error icon, one OK button.
    virtual void ErrorBox(QWidget* parent, const QString& text);

    // Caption "Confirm", question icon, Yes and No; true for Yes.
    virtual bool ConfirmBox(QWidget* parent, const QString& text);

    // The general error handler: the program's title as caption, error icon,
    // one OK button.
    virtual void ShowException(QWidget* parent, const QString& text);

    // The file dialog: a file to read, or a file to write (asking before one
    // is replaced); empty when the user cancels. `start` is the file or
    // folder it opens on.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& start,
                                 const QString& filter);
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& start,
                                 const QString& filter);

    // The print dialog on `printer`: true when the user prints.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer);

    // The X11 primary selection that a middle click pastes; empty where the
    // window system has none.
    virtual QString PrimarySelection();
};

Platform& platform();

// Installs a replacement while it lives.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& replacement);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* previous_;
};

}  // namespace toolkit
