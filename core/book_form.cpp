#include "core/book_form.h"

namespace {

constexpr int FirstNineteenColumnYear = 2026;

} // namespace

BookForm BookFormOfYear(const QString &year)
{
    bool isNumber = false;
    const int number = year.trimmed().toInt(&isNumber);
    return isNumber && number >= FirstNineteenColumnYear ? BookForm::NineteenColumns
                                                         : BookForm::SeventeenColumns;
}
