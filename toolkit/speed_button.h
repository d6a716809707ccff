#pragma once
// A speed button: a flat-faced push button with a glyph and an optional
// caption that never takes the keyboard focus.

#include <QPixmap>
#include <QToolButton>

namespace toolkit {

class SpeedButton : public QToolButton {
    Q_OBJECT

public:
    enum class GlyphPlace { Left, Top };

    SpeedButton(QWidget* parent, const QString& name, const QString& caption, const QPixmap& glyph,
                GlyphPlace place = GlyphPlace::Left);
};

}  // namespace toolkit
