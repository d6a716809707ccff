// The interface in Italian and in English: the translation embedded in the
// program, Qt's own for the standard buttons and menus, and English
// captions that fit the places of the Italian ones.

#include "app/program.h"
#include "dialogs/position_dialog.h"

#include "support/program_windows.h"
#include "support/recording_platform.h"
#include "toolkit/form_layout.h"
#include "toolkit/languages.h"
#include "toolkit/string_grid.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/numeric/aligned_edit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

using toolkit::Language;

namespace {

// Texts that read the same in English: the program's name, units,
// compass points, signs, the version and the table's file name.
const QSet<QString> kSameInEnglish = {
    QStringLiteral("Orvane 2004"), QStringLiteral("Set"),      QStringLiteral("HP"),
    QStringLiteral("g / HP / h"),  QStringLiteral("hh:mm"),    QStringLiteral("E"),
    QStringLiteral("W"),           QStringLiteral("Ver. 3.0"), QStringLiteral("  Dev"),
    QStringLiteral("N"),           QStringLiteral("S"),           QStringLiteral("DEVIAZIONI.TXT"),
    QStringLiteral("l / h"),       QStringLiteral("Baud"),
    QString::fromUtf8("\u00B0"),   QStringLiteral("'"),        QStringLiteral("\""),
};

// The style gives a glyph a cell this much wider than itself, the glyph in
// its middle, and elides a caption beyond the room inside the frame. A
// caption beside the glyph is set against that cell and needs as much room
// after it as the glyph has before it, or it touches the frame.
constexpr int kGlyphCell = 4;

// The width a button's caption may take without being cut or elided.
int CaptionRoom(const QAbstractButton* button)
{
    const QStyle* style = button->style();
    if (const auto* radio = qobject_cast<const QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
    }
    const auto* tool = qobject_cast<const QToolButton*>(button);
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    int room = button->width() - 2 * frame;
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
        room -= tool->iconSize().width() + kGlyphCell + kGlyphCell / 2;
    return room;
}

// The group box draws its caption this far from its left edge, with this
// much room on either side of the text.
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;

// Installs a language for one test and leaves the source texts behind.
class LanguageScope {
public:
    explicit LanguageScope(Language language) { installed_ = toolkit::InstallTranslations(language); }
    ~LanguageScope() { toolkit::RemoveTranslations(); }
    bool installed() const { return installed_; }

private:
    bool installed_ = false;
};

QString Key(const QWidget* window, const QString& control, const QString& part = QString())
{
    return window->objectName() + QLatin1Char('/') + control + part;
}

// The named controls of the window itself, not of the dialogs it owns.
template <typename T>
QList<T*> Controls(QWidget* window)
{
    QList<T*> own;
    for (T* control : window->findChildren<T*>()) {
        if (control->window() == window && !control->objectName().isEmpty())
            own << control;
    }
    return own;
}

// Every caption a user reads in the window, by the control that shows it.
void AddTexts(QMap<QString, QString>& texts, QWidget* window)
{
    texts[Key(window, QStringLiteral("#title"))] = window->windowTitle();
    for (const QLabel* label : Controls<QLabel>(window))
        texts[Key(window, label->objectName())] = label->text();
    for (const QAbstractButton* button : Controls<QAbstractButton>(window))
        texts[Key(window, button->objectName())] = button->text();
    for (const QGroupBox* box : Controls<QGroupBox>(window))
        texts[Key(window, box->objectName())] = box->title();
    for (const QTabWidget* tabs : Controls<QTabWidget>(window)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts[Key(window, tabs->objectName(), QStringLiteral("#%1").arg(i))] = tabs->tabText(i);
    }
}

// The captions of every window.
QMap<QString, QString> Texts(const ProgramWindows& windows)
{
    QMap<QString, QString> texts;
    for (QWidget* window : windows.All())
        AddTexts(texts, window);
    const TForm1& form1 = windows.program->form1;
    for (int column = 0; column < form1.SGDEV->columnCount(); ++column)
        texts[Key(&form1, QStringLiteral("SGDEV"), QStringLiteral("#%1").arg(column))] =
            form1.SGDEV->Cell(column, 0);
    texts[Key(windows.program->form3.get(), QStringLiteral("SOLCO"))] = windows.program->form3->SOLCO->Caption();
    return texts;
}

QMap<QString, QString> TextsIn(std::optional<Language> language)
{
    std::optional<LanguageScope> scope;
    if (language)
        scope.emplace(*language);
    return Texts(ProgramWindows());
}

}  // namespace

struct PreferenceCase {
    const char* what;
    QStringList uiLanguages;
    Language expected;
};

class PreferredLanguageTest : public testing::TestWithParam<PreferenceCase> {};

TEST_P(PreferredLanguageTest, IsTheFirstLanguageTheProgramSpeaks)
{
    EXPECT_EQ(toolkit::PreferredLanguage(GetParam().uiLanguages), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PreferredLanguageTest,
    testing::Values(
        PreferenceCase{"British English", {QStringLiteral("en-GB"), QStringLiteral("en")}, Language::English},
        PreferenceCase{"American English", {QStringLiteral("en-US")}, Language::English},
        PreferenceCase{"Italian", {QStringLiteral("it-IT"), QStringLiteral("it")}, Language::Italian},
        PreferenceCase{"the C locale", {QStringLiteral("C")}, Language::Italian},
        PreferenceCase{"no language at all", {}, Language::Italian},
        PreferenceCase{"German only", {QStringLiteral("de-DE")}, Language::Italian},
        PreferenceCase{"German, then English", {QStringLiteral("de-DE"), QStringLiteral("en")}, Language::English},
        PreferenceCase{"Italian before English", {QStringLiteral("it-CH"), QStringLiteral("en-GB")},
                       Language::Italian},
        PreferenceCase{"English before Italian", {QStringLiteral("en-IE"), QStringLiteral("it")},
                       Language::English}));

TEST(LanguagesTest, TheEnglishTranslationIsBuiltIn)
{
    LanguageScope english(Language::English);
    EXPECT_TRUE(english.installed());
}

TEST(LanguagesTest, EnglishLeavesNoCaptionItalian)
{
    const QMap<QString, QString> italian = TextsIn(std::nullopt);
    const QMap<QString, QString> english = TextsIn(Language::English);
    ASSERT_EQ(english.keys(), italian.keys());
    for (auto it = italian.cbegin(); it != italian.cend(); ++it) {
        if (it.value().isEmpty() || kSameInEnglish.contains(it.value()))
            EXPECT_EQ(english[it.key()], it.value()) << it.key().toStdString();
        else
            EXPECT_NE(english[it.key()], it.value()) << it.key().toStdString() << " is still Italian";
    }
}

TEST(LanguagesTest, TheMainCaptionsUseTheTermsOfNavigation)
{
    const QMap<QString, QString> english = TextsIn(Language::English);
    const struct {
        const char* key;
        const char* text;
    } expected[] = {
        {"Form1/PageControl1#0", "Headings"},
        {"Form1/PageControl1#3", "Endurance"},
        {"Form1/Label32", "Fuel needed"},  // litres, not the tab's endurance
        {"Form1/Label26", "Fuel needed +30%"},
        {"Form1/LabelPB", "Compass heading"},
        {"Form1/LabelPM", "Magnetic heading"},
        {"Form1/LabelPV", "True heading"},
        {"Form1/LabelDEVIAZ", "Deviation"},
        {"Form1/LabelRP", "Relative bearing"},
        {"Form1/Label18", "Current set"},
        {"Form1/Label20", "Course over ground"},
        {"Form1/Label21", "Speed over ground"},
        {"Form1/CALCPRORE", "Solve"},
        {"Form1/SGDEV#0", "  Hdg C"},
        {"Form2/#title", "Orvane 2004 - COMPASS"},
        {"Form2/GRADIOK", "CONFIRM"},
        {"Form3/GRADIABO", "CANCEL"},
        {"Form3/SOLCO", "||NM/h|KNOTS"},
        {"Form4/Label2", "Variation"},
        {"Form10/#title", "Orvane 2004 - Calculation log"},
        {"Form11/#title", "Orvane 2004 - On-board data"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(english.value(QString::fromLatin1(e.key)), QString::fromUtf8(e.text)) << e.key;
}

TEST(LanguagesTest, WithoutTheEnglishTranslationTheItalianTextsReturnUnchanged)
{
    const QMap<QString, QString> source = TextsIn(std::nullopt);
    EXPECT_EQ(source.value(QStringLiteral("Form1/LabelPB")), QStringLiteral("Prora Bussola"));
    EXPECT_EQ(source.value(QStringLiteral("Form1/CALCPRORE")), QStringLiteral("Calcola"));
    TextsIn(Language::English);
    EXPECT_EQ(TextsIn(std::nullopt), source) << "after the English translation was removed";
    EXPECT_EQ(TextsIn(Language::Italian), source) << "with Qt's Italian translation";
}

struct StandardTextsCase {
    Language language;
    const char* yes;
    const char* no;
    const char* selectAll;
    const char* copy;  // a value field's own menu
    const char* copiedSpeed;
};

class StandardTextsTest : public testing::TestWithParam<StandardTextsCase> {};

TEST_P(StandardTextsTest, FollowTheLanguage)
{
    LanguageScope scope(GetParam().language);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(GetParam().yes));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QString::fromUtf8(GetParam().no));

    TAlignedEdit edit;
    edit.setDialogEntry(true);
    edit.setText(QStringLiteral("12"));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
    QCoreApplication::sendEvent(&edit, &request);
    auto* menu = edit.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->objectName() == QStringLiteral("select-all"))
            texts << action->text();
    }
    menu->close();
    EXPECT_EQ(texts, QStringList{QString::fromUtf8(GetParam().selectAll)});
    delete menu;

    edit.setValueKind(TAlignedEdit::TValueKind::vkSpeed);
    edit.setValueRange(0, 50);
    edit.setText(QStringLiteral("  6,5"));
    QCoreApplication::sendEvent(&edit, &request);
    menu = edit.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().value(0)->text(), QString::fromUtf8(GetParam().copy));
    delete menu;
    edit.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(GetParam().copiedSpeed));
}

INSTANTIATE_TEST_SUITE_P(Table, StandardTextsTest,
                         testing::Values(StandardTextsCase{Language::Italian, "&S\u00EC", "&No", "Seleziona tutto", "Copia", "6,5"},
                                         StandardTextsCase{Language::English, "&Yes", "&No", "Select All", "Copy", "6.5"}));

TEST(LanguagesTest, MessagesAreTranslatedWhereTheyAreShown)
{
    LanguageScope english(Language::English);
    ProgramWindows windows;
    TForm1& form1 = windows.program->form1;
    RecordingPlatform& recorded = windows.recorded.platform;

    form1.CALCPROREClick();
    EXPECT_EQ(recorded.errors, QStringList{QStringLiteral("Nothing to compute.")});
    form1.SBEXITClick();
    EXPECT_EQ(recorded.confirms, QStringList{QStringLiteral("Exit the program?")});
    form1.CALCVMClick();
    EXPECT_EQ(recorded.errors.value(1), QStringLiteral("Time = 0!"));
    for (TAlignedEdit* field : {form1.EDPVC, form1.EDRVC, form1.EDRP})
        field->setText(QStringLiteral("x"));
    form1.CALCPOLClick();
    EXPECT_EQ(recorded.errors.value(2), QStringLiteral("Everything is filled in: clear (X) the one to compute."));
}

TEST(LanguagesTest, DiagramLabelsAreEnglish)
{
    LanguageScope english(Language::English);
    ProgramWindows windows;
    TForm1& form1 = windows.program->form1;
    form1.EDPB->setText(QStringLiteral("x"));
    form1.CALCPROREClick();
    ASSERT_EQ(form1.state().diagramLineCount, 3);
    EXPECT_EQ(form1.state().diagramLines[0].label, QStringLiteral("CH"));
    EXPECT_EQ(form1.state().diagramLines[1].label, QStringLiteral("MH"));
    EXPECT_EQ(form1.state().diagramLines[2].label, QStringLiteral("TH"));
}

TEST(LanguagesTest, NavsRefusalOfTheSettingsFileIsTranslated)
{
    LanguageScope english(Language::English);
    RecordedPlatform recorded;
    QTemporaryDir folder;
    QFile settings(folder.filePath(QStringLiteral("ORVAN_INI.INI")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("1990\r\n2000\r\n0\r\n2000000000\r\n");
    settings.close();
    NavState state;
    state.settingsPath = settings.fileName();
    TForm4 dialog(state, state, [](int, int) {}, nullptr);
    EXPECT_EQ(recorded.platform.exceptions, QStringList{QStringLiteral("Variation out of range in ORVAN_INI.INI")});
}

class CaptionFitTest : public testing::TestWithParam<Language> {};

// Labels are sized to their text: each must end before the next control
// to its right on its line, and inside its parent. Buttons, group boxes
// and tab bars must hold their captions.
TEST_P(CaptionFitTest, EveryCaptionFitsItsPlace)
{
    LanguageScope scope(GetParam());
    ProgramWindows windows;
    for (QWidget* window : windows.All()) {
        for (const QLabel* label : Controls<QLabel>(window)) {
            const QString name = Key(window, label->objectName());
            const int right = label->x() + std::max(label->width(), label->sizeHint().width());
            const int bottom = label->y() + label->sizeHint().height();
            const QWidget* parent = label->parentWidget();
            EXPECT_LE(right, parent->width()) << name.toStdString() << " " << label->text().toStdString();
            for (const QObject* child : parent->children()) {
                const auto* other = qobject_cast<const QWidget*>(child);
                if (!other || other == label || other->x() < label->x())
                    continue;
                const bool sameLine = other->y() < bottom && label->y() < other->y() + other->height();
                if (sameLine) {
                    EXPECT_LE(right, other->x()) << name.toStdString() << " \"" << label->text().toStdString()
                                                 << "\" runs into " << other->objectName().toStdString();
                }
            }
        }
        for (const QAbstractButton* button : Controls<QAbstractButton>(window)) {
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            EXPECT_LE(text, CaptionRoom(button))
                << Key(window, button->objectName()).toStdString() << " " << button->text().toStdString();
        }
        for (const QGroupBox* box : Controls<QGroupBox>(window)) {
            const int caption = QFontMetrics(box->font()).horizontalAdvance(box->title());
            EXPECT_LE(kCaptionLeft + caption + 2 * kCaptionPadding, box->width())
                << Key(window, box->objectName()).toStdString();
        }
        for (const QTabWidget* tabs : Controls<QTabWidget>(window)) {
            EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width())
                << Key(window, tabs->objectName()).toStdString();
            // The buttons put on the tab row stand clear of the tabs.
            const QRect row(tabs->pos(), tabs->tabBar()->sizeHint());
            for (const QAbstractButton* button : Controls<QAbstractButton>(window)) {
                if (button->parentWidget() == tabs->parentWidget()) {
                    EXPECT_FALSE(button->geometry().intersects(row))
                        << Key(window, button->objectName()).toStdString() << " covers the tabs, which end at "
                        << row.right();
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionFitTest, testing::Values(Language::Italian, Language::English),
                         [](const testing::TestParamInfo<Language>& info) {
                             return info.param == Language::English ? "English" : "Italian";
                         });

TEST(WindowNamesTest, EveryNamedControlIsNamedOnceInItsWindow)
{
    const ProgramWindows windows;
    for (QWidget* window : windows.All()) {
        QSet<QString> seen;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            // Qt names some parts of its own widgets (a tab bar's scroll buttons).
            const bool qtsOwn = name.startsWith(QStringLiteral("qt_")) || qobject_cast<QTabBar*>(w->parentWidget());
            if (name.isEmpty() || qtsOwn || w->window() != window)
                continue;
            EXPECT_FALSE(seen.contains(name)) << window->objectName().toStdString() << ": " << name.toStdString();
            seen.insert(name);
        }
    }
}

// The instrument dialogs, the coastal window and the log, kept beside the
// main window, can be put aside; the others only closed. All are dialogs of a
// fixed size.
TEST(WindowFramesTest, TitleBarButtonsAndFixedSizes)
{
    const ProgramWindows windows;
    const QSet<QString> minimizable{QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("Form3"),
                                    QStringLiteral("Form9"), QStringLiteral("Form10"),
                                    QStringLiteral("Form11")};
    for (QWidget* window : windows.All()) {
        const std::string name = window->objectName().toStdString();
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint)) << name;
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), minimizable.contains(window->objectName())) << name;
        // Without it the desktop shows all its buttons, a maximise button too.
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << name;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << name;
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << name;
        const int buttons = minimizable.contains(window->objectName()) ? 2 : 1;
        EXPECT_GE(window->width(), toolkit::TitleBarWidth(window->windowTitle(), buttons)) << name << " cuts its title";
        if (window != &windows.program->form1) {
            EXPECT_EQ(window->windowType(), Qt::Dialog) << name;
        }
    }
}

// A control the user can reach, on whichever tab its page is.
bool Reachable(const QWidget* control, const QWidget* window)
{
    for (const QWidget* w = control; w && w != window; w = w->parentWidget()) {
        const bool page = qobject_cast<const QStackedWidget*>(w->parentWidget());
        if (w->isHidden() && !page)
            return false;
    }
    return true;
}

// What a screen reader or a pointer meets: fields, number boxes, lists and
// buttons, not the parts Qt builds inside its own widgets.
bool IsControl(const QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent)
        || qobject_cast<const QAbstractItemView*>(parent) || qobject_cast<const QTabBar*>(parent)
        || qobject_cast<const QHeaderView*>(w))
        return false;
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w)
           || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QAbstractItemView*>(w);
}

class ScreenReaderTest : public testing::TestWithParam<Language> {};

// Every control of every window, on every tab, has a name a screen reader
// reads, and a tooltip, in the interface's language; a field's value is its text.
TEST_P(ScreenReaderTest, EveryControlHasANameAndATooltip)
{
    LanguageScope scope(GetParam());
    ProgramWindows windows;
    for (QWidget* window : windows.All()) {
        window->show();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || !IsControl(w) || !Reachable(w, window))
                continue;
            const std::string name = Key(window, w->objectName()).toStdString();
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(reader, nullptr) << name;
            EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty()) << name;
            EXPECT_FALSE(w->toolTip().isEmpty()) << name;
            if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
                EXPECT_EQ(reader->text(QAccessible::Value), field->text()) << name;
            }
        }
        window->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ScreenReaderTest, testing::Values(Language::Italian, Language::English),
                         [](const testing::TestParamInfo<Language>& info) {
                             return info.param == Language::English ? "English" : "Italian";
                         });
