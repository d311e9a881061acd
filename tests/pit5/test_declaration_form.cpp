#include "pit5/declaration_form.h"
#include "pit5/form_sections.h"
#include "tests/support/qt_printers.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// What an A4 sheet with 5 mm margins leaves for the band.
constexpr double PrintableHeightMm = 287.0;
constexpr double Tolerance = 1e-6;

bool inside(const QRectF &inner, const QRectF &outer)
{
    return inner.left() >= outer.left() - Tolerance && inner.top() >= outer.top() - Tolerance
           && inner.right() <= outer.right() + Tolerance
           && inner.bottom() <= outer.bottom() + Tolerance;
}

std::string describe(const FormPage &page, const QString &what)
{
    return (page.name + QStringLiteral(": ") + what).toStdString();
}

struct EachPage {
    DeclarationForm form;
    int number;
    const FormPage &page() const { return DeclarationFormPage(form, number); }
};

QList<EachPage> everyPage()
{
    QList<EachPage> pages;
    for (DeclarationForm form : {DeclarationForm::Scale, DeclarationForm::FlatRate})
        for (int number = 1; number <= FormPageCount(form); ++number)
            pages.append({form, number});
    return pages;
}

QSet<QString> fieldsOn(const FormPage &page)
{
    QSet<QString> fields;
    for (const FormBox &box : page.boxes)
        if (!box.field.isEmpty())
            fields.insert(box.field);
    return fields;
}

QSet<QString> named(const QStringList &names)
{
    return QSet<QString>(names.begin(), names.end());
}

QSet<QString> range(char letter, int first, int last)
{
    return named(FormFields(letter, first, last - first + 1));
}

const FormBox &boxOf(const FormPage &page, const QString &field)
{
    for (const FormBox &box : page.boxes)
        if (box.field == field)
            return box;
    ADD_FAILURE() << describe(page, field + QStringLiteral(" is not on the page"));
    static const FormBox none;
    return none;
}

void expectRect(const QRectF &rect, double left, double top, double width, const char *what)
{
    EXPECT_NEAR(rect.left(), left, 0.01) << what;
    EXPECT_NEAR(rect.top(), top, 0.01) << what;
    if (width > 0) {
        EXPECT_NEAR(rect.width(), width, 0.01) << what;
    }
}

} // namespace

TEST(DeclarationForm, EveryBoxLiesOnThePageAndEveryValueInItsBox)
{
    for (const EachPage &each : everyPage()) {
        const FormPage &page = each.page();
        const QRectF sheet(0, 0, FormBandWidthMm, std::min(page.bandHeightMm, PrintableHeightMm));
        EXPECT_TRUE(inside(page.frameMm, sheet)) << describe(page, "frame");
        for (const FormText &text : page.texts)
            EXPECT_TRUE(inside(text.rectMm, page.frameMm)) << describe(page, text.text);
        for (const FormBox &box : page.boxes) {
            const QString name = box.field.isEmpty() ? box.caption : box.field;
            EXPECT_TRUE(inside(box.boxMm, page.frameMm)) << describe(page, name);
            EXPECT_TRUE(inside(box.captionMm, page.frameMm)) << describe(page, name);
            if (box.value != FormValue::Mark) {
                EXPECT_TRUE(inside(box.captionMm, box.boxMm)) << describe(page, name + " caption");
            }
            if (box.field.isEmpty())
                continue;
            EXPECT_TRUE(inside(box.valueMm, box.boxMm)) << describe(page, name);
            EXPECT_GE(box.valueMm.height(), 4.0) << describe(page, name + " holds a line");
            for (const QRectF &character : box.characterBoxes())
                EXPECT_TRUE(inside(character, box.boxMm)) << describe(page, name + " characters");
            if (box.value != FormValue::Memo && box.value != FormValue::Mark) {
                EXPECT_LE(box.captionMm.bottom(), box.valueMm.top() + Tolerance)
                    << describe(page, name + " caption above the value");
            }
        }
    }
}

TEST(DeclarationForm, BoxesOfDifferentFieldsNeverOverlap)
{
    for (const EachPage &each : everyPage()) {
        const FormPage &page = each.page();
        QList<const FormBox *> filled;
        for (const FormBox &box : page.boxes)
            if (!box.field.isEmpty())
                filled.append(&box);
        for (qsizetype i = 0; i < filled.size(); ++i)
            for (qsizetype j = i + 1; j < filled.size(); ++j) {
                const QRectF common = filled[i]->boxMm.intersected(filled[j]->boxMm);
                EXPECT_TRUE(common.width() < 0.01 || common.height() < 0.01)
                    << describe(page, filled[i]->field + " and " + filled[j]->field);
            }
        for (qsizetype i = 0; i < page.texts.size(); ++i)
            for (const FormBox *box : filled) {
                const QRectF common = page.texts[i].rectMm.intersected(box->boxMm);
                EXPECT_TRUE(common.width() < 0.01 || common.height() < 0.01)
                    << describe(page, page.texts[i].text + " over " + box->field);
            }
    }
}

TEST(DeclarationForm, EachPagePrintsTheFieldsOfItsPageAndNeverTheDate)
{
    const auto scale = [](int page) {
        return fieldsOn(DeclarationFormPage(DeclarationForm::Scale, page));
    };
    const auto flat = [](int page) {
        return fieldsOn(DeclarationFormPage(DeclarationForm::FlatRate, page));
    };
    ASSERT_EQ(FormPageCount(DeclarationForm::Scale), 4);
    ASSERT_EQ(FormPageCount(DeclarationForm::FlatRate), 3);

    EXPECT_EQ(scale(1), named({"P1", "P4"}) + range('P', 5, 33));
    // Position 41, the exempt income, is P43: the form has no place for P42.
    EXPECT_EQ(scale(2), named({"P34", "P35", "P37", "P38", "P39", "P40", "P41", "P43", "P44", "P45",
                               "P46", "P47", "P48", "P49", "P50", "P51", "P52"}));
    EXPECT_EQ(scale(3), range('P', 53, 65) + range('K', 66, 101));
    EXPECT_EQ(scale(4), range('L', 84, 115) + range('M', 116, 129) + range('N', 130, 133));

    EXPECT_EQ(flat(1), named({"P1", "P32", "P34"}) + range('P', 4, 22));
    EXPECT_EQ(flat(2), range('P', 44, 48) + range('P', 53, 65));
    EXPECT_EQ(flat(3), range('K', 66, 83) + range('L', 85, 88) + range('L', 93, 97)
                           + range('L', 101, 104) + range('L', 109, 113)
                           + named({"N130", "N131", "N132"}));

    for (const EachPage &each : everyPage())
        EXPECT_FALSE(fieldsOn(each.page()).contains("O133")) << describe(each.page(), "O133");
}

TEST(DeclarationForm, ValuesStandWhereTheFormHasThem)
{
    const FormPage &first = DeclarationFormPage(DeclarationForm::Scale, 1);
    expectRect(boxOf(first, "P1").valueMm, 3.7, 9.5, 62.2, "P1");
    expectRect(boxOf(first, "P4").valueMm, 51.3, 35.2, 0, "P4");
    expectRect(boxOf(first, "P5").valueMm, 10.6, 86.8, 180.2, "P5");
    const double lefts[] = {63.5, 97.4, 130.7, 164.8};
    const double tops[] = {187.6, 195.8, 204.5};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const QString field = FormField('P', 19 + 4 * row + column);
            const FormBox &box = boxOf(first, field);
            expectRect(box.valueMm, lefts[column], tops[row], 26.5, field.toUtf8().constData());
            EXPECT_EQ(box.alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight)
                << field.toStdString();
        }
    EXPECT_EQ(boxOf(first, "P6").alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    // The rule of taxation as three marks per row, in the order of its values.
    const FormPage &fourth = DeclarationFormPage(DeclarationForm::Scale, 4);
    const QList<QPair<QString, QList<QPointF>>> marks = {
        {"L92", {{10.8, 51.9}, {83.1, 51.9}, {131.8, 51.9}}},
        {"L108", {{11.1, 112.7}, {83.1, 112.7}, {132.0, 112.7}}}};
    for (const auto &[field, places] : marks) {
        QList<QPointF> found;
        for (const FormBox &box : fourth.boxes)
            if (box.field == field) {
                EXPECT_EQ(box.value, FormValue::Mark);
                EXPECT_EQ(box.rule, found.size());
                found.append(box.valueMm.topLeft());
            }
        ASSERT_EQ(found.size(), 3) << field.toStdString();
        for (int rule = 0; rule < 3; ++rule) {
            EXPECT_NEAR(found[rule].x(), places[rule].x(), 0.01) << field.toStdString();
            EXPECT_NEAR(found[rule].y(), places[rule].y(), 0.01) << field.toStdString();
        }
    }
}

TEST(DeclarationForm, OnlyTheScaleFormBoxesItsCharacters)
{
    const QSet<QString> boxed =
        named({"P1", "P4", "P8", "K66", "K67", "K75", "K76", "K84", "K85", "K93", "K94", "L85",
               "L86", "L90", "L91", "L101", "L102", "L106", "L107"});
    for (const EachPage &each : everyPage()) {
        for (const FormBox &box : each.page().boxes) {
            const bool expected = each.form == DeclarationForm::Scale && boxed.contains(box.field);
            EXPECT_EQ(box.value == FormValue::Boxed, expected) << describe(each.page(), box.field);
            if (!expected)
                continue;
            // Every character of the field has its box.
            EXPECT_GE(box.characters, box.field == "P4" ? 7 : 10) << box.field.toStdString();
            EXPECT_NEAR(box.valueMm.width(), box.characters * CharacterPitchMm, 1e-9);
        }
    }
}
