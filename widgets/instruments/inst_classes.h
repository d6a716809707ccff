#pragma once
// The settings objects that widgets publish as nested properties: a bevel,
// a two-colour palette and a list of bitmaps. Each tells its owner of a
// change through OnChange; changes inside BeginUpdate/EndUpdate are told once.

#include "toolkit/canvas.h"
#include "widgets/instruments/inst_controls.h"

#include <QImage>
#include <QList>
#include <QObject>

class QIODevice;

class TInstPersistent : public QObject {
    Q_OBJECT

public:
    explicit TInstPersistent(QObject* parent = nullptr);

    // Emits OnChange unless an update is open.
    void Changed();
    void BeginUpdate() { ++updateCount_; }
    // Closes one update and tells of the change.
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

signals:
    void OnChange();

protected:
    // Stores a different value and tells of it; an equal value does nothing.
    template <class T>
    void Set(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            Changed();
    }
    // As Set, ignoring a value outside the subrange.
    void SetInRange(int& field, int value, TInstSubrange range)
    {
        if (range.Contains(value))
            Set(field, value);
    }

private:
    int updateCount_ = 0;
};

enum class TInstBevelStyle { bsNone, bsLowered, bsRaised };
enum class TInstBevelOutlineStyle { osOuter, osInner, osNone };

// A frame of nested 3-D edges: an optional border, an outer edge with its
// outline and space, and an inner edge with its outline and space.
class TInstBevel : public TInstPersistent {
    Q_OBJECT
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(toolkit::TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(toolkit::TColor InnerShadow READ InnerShadow WRITE setInnerShadow)
    Q_PROPERTY(toolkit::TColor InnerHighlight READ InnerHighlight WRITE setInnerHighlight)
    Q_PROPERTY(int InnerWidth READ InnerWidth WRITE setInnerWidth)
    Q_PROPERTY(TInstBevelStyle InnerStyle READ InnerStyle WRITE setInnerStyle)
    Q_PROPERTY(TInstBevelOutlineStyle InnerOutline READ InnerOutline WRITE setInnerOutline)
    Q_PROPERTY(int InnerSpace READ InnerSpace WRITE setInnerSpace)
    Q_PROPERTY(toolkit::TColor InnerColor READ InnerColor WRITE setInnerColor)
    Q_PROPERTY(toolkit::TColor OuterShadow READ OuterShadow WRITE setOuterShadow)
    Q_PROPERTY(toolkit::TColor OuterHighlight READ OuterHighlight WRITE setOuterHighlight)
    Q_PROPERTY(int OuterWidth READ OuterWidth WRITE setOuterWidth)
    Q_PROPERTY(TInstBevelStyle OuterStyle READ OuterStyle WRITE setOuterStyle)
    Q_PROPERTY(TInstBevelOutlineStyle OuterOutline READ OuterOutline WRITE setOuterOutline)
    Q_PROPERTY(int OuterSpace READ OuterSpace WRITE setOuterSpace)
    Q_PROPERTY(toolkit::TColor OuterColor READ OuterColor WRITE setOuterColor)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    explicit TInstBevel(QObject* parent = nullptr);

    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int v) { SetInRange(borderWidth_, v, TInstBorderWidth); }
    toolkit::TColor BorderColor() const { return borderColor_; }
    void setBorderColor(toolkit::TColor v) { Set(borderColor_, v); }
    toolkit::TColor InnerShadow() const { return inner_.shadow; }
    void setInnerShadow(toolkit::TColor v) { Set(inner_.shadow, v); }
    toolkit::TColor InnerHighlight() const { return inner_.highlight; }
    void setInnerHighlight(toolkit::TColor v) { Set(inner_.highlight, v); }
    int InnerWidth() const { return inner_.width; }
    void setInnerWidth(int v) { SetInRange(inner_.width, v, TInstBevelWidth); }
    TInstBevelStyle InnerStyle() const { return inner_.style; }
    void setInnerStyle(TInstBevelStyle v) { Set(inner_.style, v); }
    TInstBevelOutlineStyle InnerOutline() const { return inner_.outline; }
    void setInnerOutline(TInstBevelOutlineStyle v) { Set(inner_.outline, v); }
    int InnerSpace() const { return inner_.space; }
    void setInnerSpace(int v) { SetInRange(inner_.space, v, TInstBevelSpace); }
    toolkit::TColor InnerColor() const { return inner_.color; }
    void setInnerColor(toolkit::TColor v) { Set(inner_.color, v); }
    toolkit::TColor OuterShadow() const { return outer_.shadow; }
    void setOuterShadow(toolkit::TColor v) { Set(outer_.shadow, v); }
    toolkit::TColor OuterHighlight() const { return outer_.highlight; }
    void setOuterHighlight(toolkit::TColor v) { Set(outer_.highlight, v); }
    int OuterWidth() const { return outer_.width; }
    void setOuterWidth(int v) { SetInRange(outer_.width, v, TInstBevelWidth); }
    TInstBevelStyle OuterStyle() const { return outer_.style; }
    void setOuterStyle(TInstBevelStyle v) { Set(outer_.style, v); }
    TInstBevelOutlineStyle OuterOutline() const { return outer_.outline; }
    void setOuterOutline(TInstBevelOutlineStyle v) { Set(outer_.outline, v); }
    int OuterSpace() const { return outer_.space; }
    void setOuterSpace(int v) { SetInRange(outer_.space, v, TInstBevelSpace); }
    toolkit::TColor OuterColor() const { return outer_.color; }
    void setOuterColor(toolkit::TColor v) { Set(outer_.color, v); }
    bool Visible() const { return visible_; }
    void setVisible(bool v) { Set(visible_, v); }

    // Copies every property with one notification.
    void Assign(const TInstBevel& source);

    // Total thickness of the frame on each side, in pixels; 0 when invisible.
    long long Thickness() const;
    // The edges with their outlines and spaces, without the border, visible or not.
    long long EdgesThickness() const;
    // Paints the frame along the inside of `rect` and shrinks `rect` by its thickness.
    void Draw(toolkit::Canvas& canvas, toolkit::TRect& rect) const;
    // Shrinks `rect` by the thickness without drawing.
    void AdjustRect(toolkit::TRect& rect) const;

private:
    struct Edge {
        toolkit::TColor shadow = toolkit::clBtnShadow;
        toolkit::TColor highlight = toolkit::clBtnHighlight;
        int width = 1;
        TInstBevelStyle style = TInstBevelStyle::bsNone;
        TInstBevelOutlineStyle outline = TInstBevelOutlineStyle::osNone;
        int space = 0;
        toolkit::TColor color = toolkit::clBtnFace;
        bool operator==(const Edge&) const = default;
    };
    // An edge with its outlines, then its space.
    static void DrawEdge(toolkit::Canvas& canvas, toolkit::TRect& rect, const Edge& edge);

    int borderWidth_ = 0;
    toolkit::TColor borderColor_ = toolkit::clBtnFace;
    Edge inner_{.style = TInstBevelStyle::bsLowered, .outline = TInstBevelOutlineStyle::osNone, .space = 1};
    Edge outer_{.style = TInstBevelStyle::bsRaised, .outline = TInstBevelOutlineStyle::osOuter, .space = 0};
    bool visible_ = true;
};

// A low and a high colour; the widget that uses it decides how they apply.
class TInstPalette : public TInstPersistent {
    Q_OBJECT
    Q_PROPERTY(toolkit::TColor Low READ Low WRITE setLow)
    Q_PROPERTY(toolkit::TColor High READ High WRITE setHigh)

public:
    explicit TInstPalette(QObject* parent = nullptr);

    toolkit::TColor Low() const { return low_; }
    void setLow(toolkit::TColor v) { Set(low_, v); }
    toolkit::TColor High() const { return high_; }
    void setHigh(toolkit::TColor v) { Set(high_, v); }
    // Low for an index of 0 or less, High above.
    toolkit::TColor Colors(int index) const { return index <= 0 ? low_ : high_; }
    void Assign(const TInstPalette& source);

private:
    toolkit::TColor low_ = toolkit::clGreen;
    toolkit::TColor high_ = toolkit::clLime;
};

// An ordered list of bitmaps, kept as copies, with a binary stream form:
// the signature bytes 62 54 35 00, a little-endian signed 32-bit count, then
// each bitmap as a complete BMP file.
class TInstBitmaps : public TInstPersistent {
    Q_OBJECT

public:
    explicit TInstBitmaps(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(bitmaps_.size()); }
    // A null image for an index out of range.
    QImage Bitmaps(int index) const;
    // Appends a copy and returns its index.
    int Add(const QImage& bitmap);
    // Tells of the change twice: once closing the update, once more after it.
    void Clear();
    // Copies the source's bitmaps; no source clears; the list itself does nothing.
    void Assign(const TInstBitmaps* source);

    // Replaces the list with the stream's bitmaps (the device is read to its
    // end). Returns an empty text, or the error; on an error the list is empty.
    QString LoadFromStream(QIODevice& device);
    void SaveToStream(QIODevice& device) const;
    QString LoadFromFile(const QString& path);
    // Returns an empty text, or the error.
    QString SaveToFile(const QString& path) const;

private:
    // The whole list at once, with one notification.
    void Replace(QList<QImage> bitmaps);

    QList<QImage> bitmaps_;
};
