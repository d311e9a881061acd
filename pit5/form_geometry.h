#pragma once
// The printed PIT-5 form as tables, one per page: the words the form prints (title, section
// headings, notes) and its boxes, each with its caption and, for a box the declaration
// fills, the field and the rectangle its value prints in. The picture of the form and the
// values placed on it both come from the same table, so the two cannot drift apart.
// Every position is in millimetres from the top-left corner of the page's band.

#include <QList>
#include <QRectF>
#include <QString>

// What a box shows of its field, and so how the value prints.
enum class FormValue {
    None,   // a box the form only draws
    Text,   // one line, left-aligned
    Memo,   // several lines, left-aligned, kept inside the box
    Amount, // right-aligned, grouped by thousands, two decimals
    Number, // a share or a count, right-aligned
    Boxed,  // one character per box: every character followed by three blanks
    Mark,   // "X" when the field holds the rule of taxation the box stands for
};

struct FormText {
    QRectF rectMm;
    QString text;
    double pointSize = 7.5;
    bool bold = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool framed = true; // a section heading stands in a box of its own
};

struct FormBox {
    QString field; // empty for a box the form only draws
    FormValue value = FormValue::None;
    QRectF boxMm;            // the box as drawn
    QRectF valueMm;          // where the value prints, inside the box
    Qt::Alignment alignment; // of the value
    QString caption;         // position number and caption
    QRectF captionMm;
    Qt::Alignment captionAlignment = Qt::AlignLeft | Qt::AlignTop;
    int characters = 0; // Boxed: how many character boxes
    int rule = -1;      // Mark: the rule of taxation it stands for

    // The row of character boxes of a Boxed field, each centred on its character.
    QList<QRectF> characterBoxes() const;
};

struct FormPage {
    QString name; // the page's report: "Tdruk1" .. "Tdruk4", "TPIT5Ls1" .. "TPIT5Ls3"
    double bandHeightMm = 0;
    QRectF frameMm;
    QList<FormText> texts;
    QList<FormBox> boxes;
};

// The band of every page is this wide.
inline constexpr double FormBandWidthMm = 200.0;
// One box per character: P1's 13 characters fill its 62.2 mm.
inline constexpr double CharacterPitchMm = 62.2 / 13;
// The fixed-pitch size whose character and three blanks span one character box.
inline constexpr double BoxedPointSize = 5.6;
inline constexpr double CaptionPointSize = 6.0;
inline constexpr double ValuePointSize = 9.0;

// Where the boxes of every page begin and end, and the heights the pages share (mm).
namespace FormLayout {
inline constexpr double Left = 1.5;
inline constexpr double Right = 198.5;
inline constexpr double Width = Right - Left;
inline constexpr double HeadingHeight = 5.0;
inline constexpr double RowHeight = 8.5;     // an amount across the form
inline constexpr double LineHeight = 9.75;   // a line of boxes in the rows of sections K to M
inline constexpr double RowLabelWidth = 5.5; // the number of such a row, on its left
inline constexpr double MemoHeight = 16.0;
inline constexpr double ValueHeight = 4.3;
// Whatever the top margin, the form stays inside an A4 sheet's printable part.
inline constexpr double FrameBottom = 282.0;
} // namespace FormLayout

// Lays out one page: boxes take their caption at the top and their value at the foot, and
// the value rectangle may be placed where the form wants it.
class FormPageBuilder {
public:
    FormPageBuilder(const QString &name, double bandHeightMm);

    // A section heading across the form.
    void heading(double top, const QString &text, double height = FormLayout::HeadingHeight);
    // Words of the form without a box around them.
    void text(const QRectF &rectMm, const QString &text, double pointSize, bool bold,
              Qt::Alignment alignment);
    // A box the declaration fills; its caption is the field's position on the window.
    FormBox &box(const QString &field, FormValue value, const QRectF &boxMm);
    // A box holding a row of `characters` character boxes; moving its value rectangle
    // moves the row with it.
    FormBox &boxed(const QString &field, int characters, const QRectF &boxMm);
    // A box only drawn, its caption placed by `alignment`.
    FormBox &label(const QRectF &boxMm, const QString &caption,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    // A row across the form: caption on the left, the amount at the right end. Returns
    // the top of the next row.
    double amountRow(const QString &field, double top);
    // The three marks of a rule of taxation, at the given top and lefts of their squares.
    void marks(const QString &field, double top, const QList<double> &lefts, double right);

    // The page in its frame, the footer (the form's name and page) at its foot.
    FormPage finish(const QString &footer);

private:
    FormPage page_;
};

// The caption of a field's box: its position and words on the window, on one line.
QString FormCaption(const QString &field);
