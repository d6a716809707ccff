// Thousands of random actions through the real windows: clicks on every
// kind of control, values typed into the boxes, odd keys, tab switches,
// dialogs opened and confirmed or cancelled, with good and with junk data
// files. Nothing may crash, every number box must stay readable, and no
// dialog may be left open. ORVANE_MONKEY_ACTIONS sets the number of actions
// of each run (fewer under the sanitizers).

#include "app/program.h"

#include "support/recording_platform.h"
#include "widgets/instruments/inst_thumb_control.h"
#include "widgets/numeric/num_edit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int kDefaultActions = 10000;
// An action's dialog can open another dialog: the depth never goes beyond this.
constexpr int kDeepestDialogs = 3;

int ActionsPerRun()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ORVANE_MONKEY_ACTIONS", &ok);
    return ok && n > 0 ? n : kDefaultActions;
}

struct Files {
    QByteArray table;
    QByteArray settings;
};

QByteArray Junk(std::mt19937& random, int size)
{
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() % 256);
    return bytes;
}

const int kKeys[] = {Qt::Key_0,      Qt::Key_5,     Qt::Key_9,    Qt::Key_Minus,    Qt::Key_Period, Qt::Key_Comma,
                     Qt::Key_E,      Qt::Key_X,     Qt::Key_K,    Qt::Key_U,        Qt::Key_Z,      Qt::Key_V,
                     Qt::Key_C,      Qt::Key_A,     Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                     Qt::Key_Home,   Qt::Key_End,   Qt::Key_Up,   Qt::Key_Down,     Qt::Key_Tab,    Qt::Key_Return,
                     Qt::Key_Escape, Qt::Key_Space, Qt::Key_Insert};
const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                            Qt::ControlModifier, Qt::AltModifier, Qt::KeypadModifier};

class Monkey {
public:
    Monkey(Program& program, RecordingPlatform& platform, unsigned seed)
        : program_(program)
        , platform_(platform)
        , random_(seed)
    {
    }

    // Runs `actions` actions; returns when every dialog is closed again.
    void Run(int actions)
    {
        left_ = actions;
        QEventLoop loop;
        finished_ = [&loop] { loop.quit(); };
        QTimer::singleShot(0, [this] { Step(); });
        loop.exec();
    }

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    QWidget* Top()
    {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        if (!program_.form1.isVisible())
            program_.form1.show();  // "Esco dal programma" may have closed it
        return &program_.form1;
    }

    void Step()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        CheckNumberBoxes();
        if (left_-- <= 0) {
            CloseDialogs();
            return;
        }
        // The next step is due even while this one waits in a dialog it opened.
        QTimer::singleShot(0, [this] { Step(); });
        QWidget* top = Top();
        ++actionsIn_[top->objectName()];
        Act(top);
    }

    void CloseDialogs()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            // "Close without saving?" is answered yes, or the table editor stays open.
            platform_.confirmAnswer = true;
            modal->close();
            QTimer::singleShot(0, [this] { CloseDialogs(); });
            return;
        }
        finished_();
    }

    void Act(QWidget* top)
    {
        const bool tooDeep = Depth() >= kDeepestDialogs;
        QList<QWidget*> controls;
        for (QWidget* w : top->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                                 || qobject_cast<TInstThumbControl*>(w) || qobject_cast<QTabBar*>(w);
            if (control && w->isVisible() && w->isEnabled() && !(tooDeep && qobject_cast<TAlignedEdit*>(w)))
                controls << w;
        }
        if (controls.isEmpty())
            return;
        QWidget* target = controls[Pick(static_cast<int>(controls.size()))];
        const QPoint at(Pick(std::max(target->width(), 1)), Pick(std::max(target->height(), 1)));
        switch (Pick(8)) {
        case 0:
        case 1:
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            break;
        case 2:
            platform_.selection = QStringLiteral("7x-1.5E2");
            QTest::mouseClick(target, Pick(2) ? Qt::MiddleButton : Qt::RightButton, {}, at);
            break;
        case 3: {  // a drag across the control
            const QPoint to(Pick(std::max(target->width(), 1)), Pick(std::max(target->height(), 1)));
            QTest::mousePress(target, Qt::LeftButton, {}, at);
            QTest::mouseMove(target, to);
            QTest::mouseRelease(target, Qt::LeftButton, {}, to);
            break;
        }
        case 4:
        case 5: {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : target;
            QTest::keyClick(focus, static_cast<Qt::Key>(kKeys[Pick(std::size(kKeys))]),
                            kModifiers[Pick(std::size(kModifiers))]);
            break;
        }
        case 6:
            if (auto* box = qobject_cast<QLineEdit*>(target)) {
                box->setFocus();
                box->selectAll();
                QTest::keyClicks(box, QString::number(Pick(4000) - 500) + (Pick(2) ? QStringLiteral(".5") : QString()));
            }
            break;
        default:
            if (top == &program_.form1)
                program_.form1.PageControl1->setCurrentIndex(Pick(program_.form1.PageControl1->count()));
            break;
        }
    }

    static int Depth()
    {
        int depth = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            depth += w->isVisible() && w->isModal() ? 1 : 0;
        return depth;
    }

    void CheckNumberBoxes()
    {
        for (QWidget* w : QApplication::allWidgets()) {
            if (auto* box = qobject_cast<TNumEdit*>(w)) {
                EXPECT_TRUE(ReadNumberText(box->text()).has_value())
                    << box->objectName().toStdString() << " " << box->text().toStdString();
            }
        }
    }

    Program& program_;
    RecordingPlatform& platform_;
    std::mt19937 random_;
    int left_ = 0;
    std::function<void()> finished_;

public:
    // How many actions each window took, for the record.
    std::map<QString, int> actionsIn_;
};

}  // namespace

class MonkeyTest : public testing::TestWithParam<unsigned> {};

TEST_P(MonkeyTest, ThousandsOfActionsLeaveEverythingWhole)
{
    RecordedPlatform recorded;
    recorded.platform.confirmAnswer = GetParam() % 2 == 0;
    std::mt19937 random(GetParam());
    // The first run has good files, the others junk of their own.
    const Files files = GetParam() == 1
                            ? Files{"0;1.5\r\n90;-2\r\n180;3\r\n270;-1\r\n", "1985\r\n2004\r\n3600\r\n240\r\n"}
                            : Files{Junk(random, 300) + "\r\n10;1\r\n", Junk(random, 40)};
    QTemporaryDir folder;
    for (auto [name, bytes] : {std::pair{QStringLiteral("DEVIAZIONI.TXT"), files.table},
                               std::pair{QStringLiteral("ORVAN_INI.INI"), files.settings}}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The last run starts as the program does: the tabs and dialogs come after
    // the first paint, and the monkey begins on the splash.
    const bool asStarted = GetParam() == 3;
    Program program(folder.path(), asStarted ? Startup::AfterFirstPaint : Startup::AtOnce);
    program.form1.SplashTimer->stop();
    if (!asStarted)
        program.form1.SplashTimerTimer();
    program.form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.form1));
    ASSERT_TRUE(QTest::qWaitFor([&program] { return program.form8 != nullptr; }));
    // The card's exports stay in the test's folder; no file or print dialog opens.
    program.form8->askSavePath = [&folder](const QString&, const QString& suggested, const QString&) {
        return folder.filePath(QFileInfo(suggested).fileName());
    };
    program.form8->askPrinter = [](QPrinter&) { return false; };

    Monkey monkey(program, recorded.platform, GetParam());
    monkey.Run(ActionsPerRun());
    std::string record;
    for (const auto& [window, count] : monkey.actionsIn_)
        record += window.toStdString() + " " + std::to_string(count) + ", ";
    record += "error boxes " + std::to_string(recorded.platform.errors.size()) + ", beeps "
              + std::to_string(recorded.platform.beeps);
    RecordProperty("actions", record);
    std::printf("monkey seed %u: %s\n", GetParam(), record.c_str());

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && w->isModal()) << w->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, testing::Values(1u, 2u, 3u));
