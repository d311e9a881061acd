#include "print/statement_form.h"

#include "platform/print/report.h"

namespace {

enum Value {
    Year, Name, Residence1, Residence2, Nip, Pesel, Regon, Seat1, Seat2, Activity,
    PartnershipNip, Partner1, Partner2, Partner3, Partner4, Date, ValueCount
};

PrintFont font(double size, bool bold = false)
{
    PrintFont result;
    result.pointSize = size;
    result.bold = bold;
    return result;
}

class FormBuilder {
public:
    FormBuilder(ReportBand &band, const QStringList &values, double width)
        : band_(band), values_(values), width_(width)
    {
    }

    void text(double x, const QString &text, const PrintFont &type = font(10))
    {
        band_.addLabel({x, y_, width_ - x, 6}, text, type);
    }

    void value(double x, int index, double width)
    {
        // The builder is gone when the report prints; the values are not.
        band_.addField({x, y_, width, 6}, [&values = values_, index](const ReportState &) {
            return values.value(index);
        }, font(10, true));
        band_.addLine({x, y_ + 5.2}, {x + width, y_ + 5.2}, 0.1);
    }

    // A caption with the value on the same line, written on a rule up to the right edge.
    void row(const QString &caption, int index, double valueAt = 55)
    {
        text(0, caption);
        value(valueAt, index, width_ - valueAt);
        next();
    }

    void next(double step = 7.5) { y_ += step; }

private:
    ReportBand &band_;
    const QStringList &values_;
    double width_;
    double y_ = 0;
};

} // namespace

const QList<StatementField> &StatementFields()
{
    static const QList<StatementField> fields = [] {
        const std::pair<const char *, const char *> named[ValueCount] = {
            {"ROK", "Rok"},
            {"NAZWISKO", "Imię i nazwisko"},
            {"ZAMIESZKANIE1", "Miejsce zamieszkania (1)"},
            {"ZAMIESZKANIE2", "Miejsce zamieszkania (2)"},
            {"NIP", "Numer NIP (osobisty)"},
            {"PESEL", "Numer PESEL"},
            {"REGON", "Numer REGON"},
            {"SIEDZIBA1", "Siedziba firmy (1)"},
            {"SIEDZIBA2", "Siedziba firmy (2)"},
            {"DZIALALNOSC", "Rodzaj działalności"},
            {"NIPSC", "Nr NIP spółki cywilnej"},
            {"WSPOLNIK1", "Wspólnik 1"},
            {"WSPOLNIK2", "Wspólnik 2"},
            {"WSPOLNIK3", "Wspólnik 3"},
            {"WSPOLNIK4", "Wspólnik 4"},
            {"DATA", "Data"},
        };
        QList<StatementField> list;
        for (const auto &[name, caption] : named)
            list << StatementField{QString::fromLatin1(name), QString::fromUtf8(caption)};
        return list;
    }();
    return fields;
}

void BuildStatementForm(Report &report, const QStringList &values)
{
    report.pageSetup() = PageSetup::a4();
    report.pageSetup().marginsMm = QMarginsF(20, 15, 15, 15);
    report.setTitle(QStringLiteral("Oświadczenie"));
    const double width = report.pageSetup().contentRectMm().width();
    ReportBand &band = report.addBand(BandKind::Title, 260);
    FormBuilder form(band, values, width);

    band.addLabel({0, 0, width, 9}, QStringLiteral("OŚWIADCZENIE"), font(16, true),
                  Qt::AlignHCenter | Qt::AlignTop);
    form.next(16);
    form.text(0, QStringLiteral("Oswiadczam, że w roku"));
    form.value(45, Year, 20);
    form.text(68, QStringLiteral("wybieram"));
    form.next();
    form.text(0, QStringLiteral("opodatkowanie na zasadach ogólnych i będę prowadził(a):"));
    form.next();
    form.text(10, QStringLiteral("-księgę przychodów i rozchodów,"));
    form.next();
    form.text(10, QStringLiteral("- ewidencję sprzedaży*."));
    form.next(12);

    form.row(QStringLiteral("Imię i nazwisko:"), Name);
    form.row(QStringLiteral("Miejsce zamieszkania:"), Residence1);
    form.row(QString(), Residence2);
    form.row(QStringLiteral("Numer NIP (osobisty):"), Nip);
    form.row(QStringLiteral("Numer PESEL:"), Pesel);
    form.row(QStringLiteral("Numer REGON:"), Regon);
    form.row(QStringLiteral("Siedziba firmy:"), Seat1);
    form.row(QString(), Seat2);
    form.row(QStringLiteral("Rodzaj działalności:"), Activity);
    form.next(3);

    form.text(0, QStringLiteral("Urządzenia księgowe*:  - prowadzę somodzielnie"));
    form.next();
    form.text(38, QStringLiteral(" - prowadzi biuro rachunkowe"));
    form.next(10);
    form.text(0, QStringLiteral("Firma: - jednoosobowa"));
    form.next();
    form.text(12, QStringLiteral("- spółka cywilna Nr NIP"));
    form.value(60, PartnershipNip, 60);
    form.next(10);
    form.text(0, QStringLiteral("Wspólnicy: (imię i nazwisko - adres zamieszkania, NIP)"));
    form.next();
    for (int partner = 0; partner < 4; ++partner)
        form.row(QStringLiteral("%1.").arg(partner + 1), Partner1 + partner, 8);
    form.next(10);

    form.value(0, Date, 50);
    form.text(width - 70, QString(40, QLatin1Char('.')));
    form.next(6);
    form.text(width - 60, QStringLiteral("podpis podatnika"), font(8));
    form.next(12);
    form.text(0, QStringLiteral("* niepotrzebne skreślić"), font(8));
    form.next(10);
    form.text(0, QStringLiteral("Uwaga!"), font(10, true));
    form.next(6);
    form.text(0, QStringLiteral("W przypadku s.c. zawiadomienie składa każdy ze wspólników "
                                "oddzielnie we właściwym wg "),
              font(9));
    form.next(5);
    form.text(0, QStringLiteral("miejsca zamieszkania urzędzie skarbowym."), font(9));
}
