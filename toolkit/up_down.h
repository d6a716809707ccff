#pragma once
// Up-down buttons: two stacked arrows that move Position by one within
// Min..Max and then report which arrow was pressed. Holding an arrow repeats.

#include <QWidget>

class QToolButton;

namespace toolkit {

enum class UpDownButton { Next, Prev };  // Next = the up arrow

class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Position READ Position WRITE setPosition NOTIFY PositionChanged)

public:
    UpDown(QWidget* parent, const QString& name, int min, int max, int position);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void setMin(int min);
    void setMax(int max);
    // Clamps to Min..Max.
    void setPosition(int position);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void PositionChanged(int position);
    // After the position moved (or stayed at its limit) for a pressed arrow.
    void Click(toolkit::UpDownButton button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(UpDownButton button);

    int min_;
    int max_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace toolkit

Q_DECLARE_METATYPE(toolkit::UpDownButton)
