// The number boxes and the main window under a real X server (Xvfb, the xcb
// platform), driven by xdotool: real modifiers, X11 auto-repeat, the primary
// selection and the title the window system shows.

#include "app/main_window.h"
#include "app/program.h"
#include "dialogs/position_dialog.h"
#include "toolkit/application.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr int kEventsMs = 5000;  // how long X events may take to arrive

// The real platform, with the beeps counted.
struct CountingPlatform : toolkit::Platform {
    int beeps = 0;
    void Beep() override { ++beeps; }
};

// Runs xdotool with these arguments, letting the events flow meanwhile.
void Xdotool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    ASSERT_TRUE(tool.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, kEventsMs));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The title the window manager is given: _NET_WM_NAME of the window.
QString WindowSystemTitle(const QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto cookie = xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()),
                                         Atom(connection, "_NET_WM_NAME"), Atom(connection, "UTF8_STRING"), 0,
                                         1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

}  // namespace

class X11Test : public testing::Test {
protected:
    CountingPlatform counting;
    toolkit::ScopedPlatform scope{counting};
    toolkit::ScopedFormatSettings english{{QLatin1Char('.'), QLatin1Char(',')}};

    void Activate(QWidget* window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
};

class X11NumberBoxTest : public X11Test {
protected:
    QWidget window;
    TSpinNumEdit* spin = new TSpinNumEdit(&window);

    void SetUp() override
    {
        spin->setGeometry(20, 20, 80, 22);
        spin->setDecimals(1);
        spin->setMaxValue(9999);
        spin->setValue(12.5);
        window.resize(200, 80);
        Activate(&window);
        spin->setFocus();
        spin->setCursorPosition(1);
    }
};

TEST_F(X11NumberBoxTest, AltKeysAndLineEditShortcutsLeaveTheNumber)
{
    Xdotool({QStringLiteral("key"), QStringLiteral("alt+x"), QStringLiteral("ctrl+alt+x"),
             QStringLiteral("ctrl+k"), QStringLiteral("ctrl+u")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return counting.beeps == 4; }, kEventsMs)) << counting.beeps;
    EXPECT_EQ(spin->text(), QStringLiteral("12.5"));
}

TEST_F(X11NumberBoxTest, AMiddleClickPastesThePrimarySelectionThroughTheRules)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("abc7"), QClipboard::Selection);
    const QPoint at = spin->mapToGlobal(QPoint(3, spin->height() / 2));
    Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("2")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return spin->text() != QStringLiteral("12.5"); }, kEventsMs));
    EXPECT_EQ(spin->text(), QStringLiteral("712.5"));
    EXPECT_EQ(counting.beeps, 3);  // a, b and c refused
}

TEST_F(X11NumberBoxTest, AHeldUpKeyStepsFasterThanOneAStep)
{
    // As a user does it: click into the box from another field, then hold Up.
    auto* other = new QLineEdit(&window);
    other->setGeometry(20, 50, 80, 22);
    other->show();
    other->setFocus();
    const QPoint at = spin->mapToGlobal(QPoint(10, spin->height() / 2));
    Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return spin->hasFocus(); }, kEventsMs));
    QSignalSpy changes(spin, &TNumEdit::OnChange);
    Xdotool({QStringLiteral("keydown"), QStringLiteral("Up"), QStringLiteral("sleep"), QStringLiteral("0.8"),
             QStringLiteral("keyup"), QStringLiteral("Up")});
    QApplication::processEvents();
    const auto value = spin->ReadValue();
    ASSERT_TRUE(value.has_value());
    ASSERT_GT(changes.count(), 8) << "no auto-repeat arrived";
    EXPECT_GT(*value - 12.5, 2.0 * changes.count());
    EXPECT_EQ(spin->CurrentStep(), 1);  // the real release ended the run
}

class X11MainWindowTest : public X11Test {
protected:
    QTemporaryDir folder;
    NavState state;
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        QFile table(folder.filePath(QStringLiteral("DEVIAZIONI.TXT")));
        ASSERT_TRUE(table.open(QIODevice::WriteOnly));
        table.write("0;1\r\n");
        table.close();
        form = std::make_unique<TForm1>(state, folder.path());
        form->SplashTimer->stop();
        form->SplashTimerTimer();
        Activate(form.get());
    }
};

TEST_F(X11MainWindowTest, TheErrorBoxIsTitledErrorOnScreen)
{
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        title = WindowSystemTitle(box);
        box->close();
    });
    form->CALCPROREClick();
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_EQ(WindowSystemTitle(form.get()), QStringLiteral("Orvane 2004"));
}

TEST_F(X11MainWindowTest, TypingLettersInTheCompassHeadingChangesNothing)
{
    form->EDPB->setFocus();
    Xdotool({QStringLiteral("type"), QStringLiteral("ab")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return counting.beeps == 2; }, kEventsMs)) << counting.beeps;
    EXPECT_TRUE(form->EDPB->text().isEmpty());
    EXPECT_EQ(state.valPB, 0);
}

TEST_F(X11NumberBoxTest, TheKeypadsDecimalKeyTypesTheItalianMark)
{
    toolkit::ScopedFormatSettings italian{{QLatin1Char(','), QLatin1Char('.')}};
    spin->setValue(0);
    spin->selectAll();
    Xdotool({QStringLiteral("key"), QStringLiteral("KP_6"), QStringLiteral("KP_Decimal"), QStringLiteral("KP_5")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return spin->text() == QStringLiteral("6,5"); }, kEventsMs))
        << spin->text().toStdString();
    Xdotool({QStringLiteral("type"), QStringLiteral(".")});  // a second mark
    EXPECT_TRUE(QTest::qWaitFor([&] { return spin->cursorPosition() == 2; }, kEventsMs));
    EXPECT_EQ(spin->text(), QStringLiteral("6,5"));
    EXPECT_EQ(counting.beeps, 0);
}

// The whole program, worked from the keyboard as a user does.
class X11ProgramTest : public X11Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<Program> program;

    void SetUp() override
    {
        QFile table(folder.filePath(QStringLiteral("DEVIAZIONI.TXT")));
        ASSERT_TRUE(table.open(QIODevice::WriteOnly));
        table.write("0;1\r\n");
        table.close();
        program = std::make_unique<Program>(folder.path());
        program->form1.SplashTimer->stop();
        program->form1.SplashTimerTimer();
        Activate(&program->form1);
    }

    void Keys(const QStringList& keys)
    {
        Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
    }

    // The dialog that is up, once it has the keyboard.
    QWidget* DialogUp()
    {
        QWidget* up = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                up = QApplication::activeModalWidget();
                return up && up->isActiveWindow();
            },
            kEventsMs));
        return up;
    }

    bool DialogGone()
    {
        return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, kEventsMs);
    }
};

TEST_F(X11ProgramTest, DigitsTypedOnAFieldGoOnInTheDialogAndEnterConfirms)
{
    TForm1& form = program->form1;
    form.EDPV->setFocus();
    // A dialog left up fails the test instead of holding it.
    QTimer::singleShot(2 * kEventsMs, [&] {
        if (QWidget* stuck = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the dialog is still up with " << program->form2->SPGRADI->text().toStdString();
            stuck->close();
        }
    });
    // At a brisk typist's pace: the first digit opens the dialog, whose loop
    // takes the rest.
    QProcess keys;
    keys.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("xdotool type --delay 100 100 && xdotool key Return")});
    ASSERT_TRUE(keys.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.state() == QProcess::NotRunning; }, 2 * kEventsMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.EDPV->text().isEmpty(); }, kEventsMs));
    EXPECT_EQ(program->state.valPV, 100 * nav::kSecondsPerDegree);
    EXPECT_TRUE(form.EDPV->hasFocus());
    Keys({QStringLiteral("alt+c")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.EDPB->text().isEmpty(); }, kEventsMs));
}

struct DialogKeysCase {
    const char* what;
    std::function<bool(Program&)> openAndStored;  // whether the dialog stored a value
};

class X11DialogKeysTest : public X11ProgramTest, public testing::WithParamInterface<DialogKeysCase> {};

// Escape stores nothing; Enter stores what the dialog shows.
TEST_P(X11DialogKeysTest, EscapeCancelsAndEnterConfirms)
{
    const DialogKeysCase& c = GetParam();
    for (const char* key : {"Escape", "Return"}) {
        QTimer::singleShot(0, [&] {
            if (!DialogUp()) {
                ADD_FAILURE() << c.what << ": no dialog has the keyboard";
                QApplication::activeModalWidget()->close();
                return;
            }
            Keys({QStringLiteral("5"), QString::fromLatin1(key)});
        });
        const bool stored = c.openAndStored(*program);
        ASSERT_TRUE(DialogGone()) << c.what << " " << key;
        EXPECT_EQ(stored, qstrcmp(key, "Return") == 0) << c.what << " " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, X11DialogKeysTest,
    testing::Values(DialogKeysCase{"angle",
                                   [](Program& p) {
                                       const nav::Angle before = p.state.valPB;
                                       p.form1.EDPBClick();
                                       return p.state.valPB != before;
                                   }},
                    DialogKeysCase{"speed",
                                   [](Program& p) {
                                       const double before = p.state.valVPCOR;
                                       p.form1.EDVPCORClick();
                                       return p.state.valVPCOR != before;
                                   }},
                    DialogKeysCase{"declination",
                                   [](Program& p) {
                                       const nav::Angle before = p.state.valDECL;
                                       p.form4->Open();
                                       return p.state.valDECL != before;
                                   }},
                    DialogKeysCase{"position", [](Program& p) { return p.form4->Form5->Open().has_value(); }}));

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    toolkit::SetWindowIcon();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
