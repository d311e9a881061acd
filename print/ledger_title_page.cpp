#include "print/ledger_title_page.h"

#include "platform/print/report.h"

void BuildLedgerTitlePage(Report &report)
{
    report.pageSetup() = PageSetup::a4(PageOrientation::Landscape);
    report.setTitle(QStringLiteral("Strona tytułowa księgi"));
    const double width = report.pageSetup().contentRectMm().width();
    ReportBand &band = report.addBand(BandKind::Title, 180);
    PrintFont large;
    large.pointSize = 28;
    large.bold = true;
    band.addLabel({0, 30, width, 14}, QStringLiteral("PODATKOWA"), large, Qt::AlignCenter);
    band.addLabel({0, 46, width, 14}, QStringLiteral("KSIĘGA PRZYCHODÓW I ROZCHODÓW"), large,
                  Qt::AlignCenter);
    PrintFont caption;
    caption.pointSize = 9;
    const double left = 30;
    const double right = width - 30;
    double y = 100;
    for (const char *text : {"Imię i nazwisko (firma)", "Adres", "Rodzaj działalności"}) {
        // A row of dots to write on, the caption under it.
        PrintFont dots;
        dots.pointSize = 12;
        band.addLabel({left, y, right - left, 6}, QString(150, QLatin1Char('.')), dots,
                      Qt::AlignHCenter | Qt::AlignBottom);
        band.addLabel({left, y + 6.5, right - left, 5}, QString::fromUtf8(text), caption,
                      Qt::AlignHCenter | Qt::AlignTop);
        y += 24;
    }
}
