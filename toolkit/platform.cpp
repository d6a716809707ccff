#include "toolkit/platform.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPrintDialog>
#include <QMessageBox>

namespace toolkit {

namespace {

Platform*& Current()
{
    static Platform defaultPlatform;
    static Platform* current = &defaultPlatform;
    return current;
}

// A box for a window that is not on screen yet is centred on the screen.
QWidget* Owner(QWidget* parent)
{
    return parent && parent->isVisible() ? parent : nullptr;
}

// Runs the box, then gives the keyboard back to the window it stood over,
// also where no window manager would.
int Answer(QMessageBox& box)
{
    const int answer = box.exec();
    if (QWidget* owner = box.parentWidget())
        owner->window()->activateWindow();
    return answer;
}

// The captions "Error" and "Confirm" are the platform's own: they are the
// same in every language and never go through a translation.
void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, Owner(parent));
    Answer(box);
}

}  // namespace

Platform::~Platform() = default;

void Platform::Beep()
{
    QApplication::beep();
}

std::uint32_t Platform::TickCount()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return static_cast<std::uint32_t>(clock.elapsed());
}

void Platform::ErrorBox(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

bool Platform::ConfirmBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text,
                    QMessageBox::Yes | QMessageBox::No, Owner(parent));
    box.setDefaultButton(QMessageBox::Yes);
    return Answer(box) == QMessageBox::Yes;
}

void Platform::ShowException(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Critical, QString::fromLatin1(kProgramTitle), text);
}

QString Platform::OpenFileName(QWidget* parent, const QString& caption, const QString& start,
                               const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString Platform::SaveFileName(QWidget* parent, const QString& caption, const QString& start,
                               const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

bool Platform::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString Platform::PrimarySelection()
{
    const QClipboard* clipboard = QApplication::clipboard();
    return clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
}

Platform& platform()
{
    return *Current();
}

ScopedPlatform::ScopedPlatform(Platform& replacement)
    : previous_(Current())
{
    Current() = &replacement;
}

ScopedPlatform::~ScopedPlatform()
{
    Current() = previous_;
}

}  // namespace toolkit
