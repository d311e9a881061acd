#include "pit5/tax_constants.h"

#include "platform/cursor.h"

std::optional<Money> TaxConstant(Cursor &constants, int code, const char *field)
{
    if (!constants.isOpen())
        return std::nullopt;
    const Cursor::Bookmark place = constants.bookmark();
    std::optional<Money> value;
    if (constants.findKey({code}))
        value = constants.field(QString::fromLatin1(field)).asCurrency();
    if (place.isValid())
        constants.gotoBookmark(place);
    return value;
}

Money TaxConstantOrZero(Cursor &constants, int code, const char *field)
{
    return TaxConstant(constants, code, field).value_or(Money());
}
