// A KSeF number as typed in the entry editor, given on the command line or carried in from
// an invoice register. A number is either refused or stored as 35 characters of the short
// form, upper-case and with check digits that hold, which read again is stored unchanged.

#include "fuzz_support.h"

#include "core/ksef_number.h"

namespace {

bool shortFormShape(const QString &number)
{
    if (number.size() != 35)
        return false;
    for (int i = 0; i < number.size(); ++i) {
        const QChar c = number[i];
        const bool hyphen = i == 10 || i == 19 || i == 32;
        if (hyphen != (c == QLatin1Char('-')))
            return false;
        if (!hyphen && !((c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = fuzzText(data, size);
    const auto stored = StoredKsefNumber(typed);
    if (!stored)
        return 0;
    if (stored->isEmpty()) {
        FUZZ_EXPECT(typed.trimmed().isEmpty(), typed);
        return 0;
    }
    FUZZ_EXPECT(shortFormShape(*stored), typed + QStringLiteral(" stored as ") + *stored);
    FUZZ_EXPECT(KsefCheckDigits(QStringView(*stored).left(32)) == stored->right(2), *stored);
    FUZZ_EXPECT(StoredKsefNumber(*stored) == stored, *stored);
    const QString longForm = stored->left(26) + QLatin1Char('-') + stored->mid(26);
    FUZZ_EXPECT(StoredKsefNumber(longForm) == stored, longForm);
    return 0;
}
