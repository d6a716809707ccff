#include "toolkit/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <limits>

namespace toolkit {

namespace {

// A caption further above a field than this many field heights belongs to
// something else.
constexpr int kCaptionAboveRows = 2;
// A clear button stands this close to the right of its field.
constexpr int kClearButtonGap = 24;
// Captions and fields that touch by a pixel or two still sit side by side.
constexpr int kTouching = 2;

bool IsField(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w))
        return !qobject_cast<const QAbstractSpinBox*>(w->parentWidget())
               && !qobject_cast<const QComboBox*>(w->parentWidget());
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QAbstractItemView*>(w);
}

bool SameRow(const QRect& a, const QRect& b)
{
    return a.top() <= b.center().y() && b.center().y() <= a.bottom();
}

// The caption on the left of `field` in its row, else the nearest just above it.
QString CaptionOf(const QWidget* field)
{
    const QRect at = field->geometry();
    const QLabel* left = nullptr;
    const QLabel* above = nullptr;
    for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (CaptionName(label->text()).isEmpty())
            continue;
        const QRect l = label->geometry();
        if ((SameRow(at, l) || SameRow(l, at)) && l.right() <= at.left() + kTouching) {
            if (!left || l.right() > left->geometry().right())
                left = label;
        } else if (l.bottom() <= at.top() + kTouching && at.top() - l.bottom() <= kCaptionAboveRows * at.height()
                   && l.left() < at.right() && l.right() > at.left()) {
            if (!above || l.bottom() > above->geometry().bottom())
                above = label;
        }
    }
    if (left)
        return CaptionName(left->text());
    if (above)
        return CaptionName(above->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(field->parentWidget()))
        return CaptionName(group->title());
    return {};
}

// The field a glyph button clears: the nearest on its left in its row.
const QWidget* FieldCleared(const QAbstractButton* button)
{
    const QRect at = button->geometry();
    const QWidget* nearest = nullptr;
    int gap = std::numeric_limits<int>::max();
    for (const QWidget* w : button->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!IsField(w))
            continue;
        const QRect f = w->geometry();
        const int g = at.left() - f.right();
        if (SameRow(f, at) && g >= -kTouching && g <= kClearButtonGap && g < gap) {
            gap = g;
            nearest = w;
        }
    }
    return nearest;
}

constexpr const char* kArrowProperty = "orvaneArrow";
constexpr const char* kHintProperty = "orvaneEntryHint";
constexpr const char* kDescribedProperty = "orvaneDescribed";

// The field an arrow pair steps: the one that owns it, else the nearest on
// the pair's left.
const QWidget* FieldStepped(const QWidget* arrow)
{
    const QWidget* pair = arrow->parentWidget();
    for (const QWidget* w = pair; w; w = w->parentWidget())
        if (IsField(w))
            return w;
    const QRect at = pair->geometry();
    const QWidget* nearest = nullptr;
    for (const QWidget* w : pair->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (IsField(w) && SameRow(w->geometry(), at) && w->geometry().right() <= at.left() + kTouching
            && (!nearest || w->geometry().right() > nearest->geometry().right()))
            nearest = w;
    return nearest;
}

QString ArrowName(const QWidget* arrow)
{
    const QWidget* field = FieldStepped(arrow);
    const QString of = field ? field->accessibleName() : QString();
    const bool up = arrow->property(kArrowProperty).toInt() == static_cast<int>(Arrow::Up);
    return up ? QCoreApplication::translate("AccessibleNames", "Aumenta %1").arg(of).trimmed()
              : QCoreApplication::translate("AccessibleNames", "Diminuisci %1").arg(of).trimmed();
}

const char* HowText(Entry entry)
{
    switch (entry) {
    case Entry::Angle:
        return QT_TRANSLATE_NOOP("AccessibleNames", "Clic, Invio o una cifra: inserisci l'angolo");
    case Entry::Speed:
        return QT_TRANSLATE_NOOP("AccessibleNames", "Clic, Invio o una cifra: inserisci la velocità");
    case Entry::Position:
        return QT_TRANSLATE_NOOP("AccessibleNames", "Clic, Invio o una cifra: inserisci la posizione");
    case Entry::Time:
        return QT_TRANSLATE_NOOP("AccessibleNames", "Scrivi ore e minuti (1:30) o i minuti");
    case Entry::Text:
        return QT_TRANSLATE_NOOP("AccessibleNames", "Scrivi il testo");
    case Entry::Result:
        break;
    }
    return QT_TRANSLATE_NOOP("AccessibleNames", "Risultato del calcolo");
}

bool HasArrows(const QWidget* field)
{
    if (qobject_cast<const QAbstractSpinBox*>(field))
        return true;
    for (const QWidget* w : field->findChildren<QWidget*>())
        if (w->property(kArrowProperty).isValid())
            return true;
    return false;
}

// What a field holds (its name) over how it is filled.
void DescribeField(QWidget* field)
{
    if (field->property(kDescribedProperty).toBool())
        return;
    field->setProperty(kDescribedProperty, true);
    QString how = field->property(kHintProperty).toString();
    if (how.isEmpty() && field->toolTip().isEmpty()) {
        const auto* edit = qobject_cast<const QLineEdit*>(field);
        if (edit && edit->isReadOnly())
            how = QCoreApplication::translate("AccessibleNames", HowText(Entry::Result));
        else if (qobject_cast<const QComboBox*>(field))
            how = QCoreApplication::translate("AccessibleNames", "Scegli dall'elenco");
        else if (HasArrows(field))
            how = QCoreApplication::translate("AccessibleNames", "Scrivi il valore o usa le frecce");
        else if (!qobject_cast<const QAbstractItemView*>(field))
            how = QCoreApplication::translate("AccessibleNames", "Scrivi il valore");
    }
    QStringList lines{field->accessibleName(), how, field->toolTip()};
    lines.removeAll(QString());
    field->setToolTip(lines.join(QLatin1Char('\n')));
}

// A tooltip names its button without the shortcut it adds in brackets.
QString TooltipName(const QString& tooltip)
{
    static const QRegularExpression shortcut(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return QString(tooltip).remove(shortcut).trimmed();
}

// A button without a caption: an arrow, a clear button, or its tooltip.
QString GlyphName(const QAbstractButton* button)
{
    if (button->property(kArrowProperty).isValid())
        return ArrowName(button);
    const QWidget* field = FieldCleared(button);
    if (field && !field->accessibleName().isEmpty())
        return QCoreApplication::translate("AccessibleNames", "Cancella %1").arg(field->accessibleName());
    return TooltipName(button->toolTip());
}

}  // namespace

QString CaptionName(const QString& caption)
{
    QString name = caption.simplified();
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    name.replace(QStringLiteral("&&"), QStringLiteral("&"));
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

void MarkArrow(QWidget* button, Arrow arrow)
{
    button->setProperty(kArrowProperty, static_cast<int>(arrow));
}

void SetEntryHint(QWidget* field, Entry entry)
{
    field->setProperty(kHintProperty, QCoreApplication::translate("AccessibleNames", HowText(entry)));
}

void NameControls(QWidget* window)
{
    const auto widgets = window->findChildren<QWidget*>();
    // Fields first: a clear button takes its field's name.
    for (QWidget* w : widgets) {
        if (w->window() != window || !w->accessibleName().isEmpty() || !IsField(w))
            continue;
        w->setAccessibleName(CaptionOf(w));
    }
    for (QWidget* w : widgets)
        if (w->window() == window && IsField(w))
            DescribeField(w);
    for (QWidget* w : widgets) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!button || button->window() != window)
            continue;
        if (button->accessibleName().isEmpty() && CaptionName(button->text()).isEmpty())
            button->setAccessibleName(GlyphName(button));
        if (button->toolTip().isEmpty()) {
            const QString caption = CaptionName(button->text());
            button->setToolTip(caption.isEmpty() ? button->accessibleName() : caption);
        }
    }
}

}  // namespace toolkit
