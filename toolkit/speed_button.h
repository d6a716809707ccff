#pragma once
// A speed button: a flat-faced push button with a glyph and an optional
// caption. It takes no focus unless its window gives it one; with the focus,
// Enter presses it as Space does.

#include <QPixmap>
#include <QRect>
#include <QToolButton>

namespace toolkit {

class SpeedButton : public QToolButton {
    Q_OBJECT

public:
    enum class GlyphPlace { Left, Top };

    SpeedButton(QWidget* parent, const QString& name, const QString& caption, const QPixmap& glyph,
                GlyphPlace place = GlyphPlace::Left);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The focus shows as a dotted frame in the caption's ink, by day and at night.
    void paintEvent(QPaintEvent* event) override;
};

// A speed button with a caption and no glyph, at `place` in its parent.
SpeedButton* TextButton(QWidget* parent, const QString& name, const QString& caption, const QRect& place);

}  // namespace toolkit
