#include "pit5/declaration_positions.h"

#include <QStringList>

namespace {

enum Page { Identification, SectionsCD, SectionE, SectionsFI, SectionJ1, SectionJ4, SectionK,
            SectionL, SectionsMO };

QString number(const QString &prefix, int position)
{
    return prefix + QString::number(position);
}

QString caption(int position, const QString &text)
{
    return QString::number(position) + QStringLiteral(". ") + text;
}

class Layout {
public:
    int group(Page page, const QString &title, bool hiddenForFlatRate = false)
    {
        groups.append({page, title, hiddenForFlatRate});
        return int(groups.size() - 1);
    }
    void box(const QString &field, const QString &text, int group, int row, int column,
             PositionKind kind, int span = 1)
    {
        positions.append({field, text, group, row, column, kind, span});
    }
    void label(const QString &text, int group, int row, int column, int span = 1)
    {
        box(QString(), text, group, row, column, PositionKind::Label, span);
    }

    QList<DeclarationGroup> groups;
    QList<DeclarationPosition> positions;
};

void identification(Layout &l)
{
    const int declaration = l.group(Identification, QStringLiteral("Identyfikacja deklaracji :"));
    l.box(QStringLiteral("P1"), QStringLiteral("1. NIP podatnika "), declaration, 0, 0, PositionKind::Text);
    l.box(QStringLiteral("P4"), QStringLiteral("4. Miesiąc - rok"), declaration, 0, 1, PositionKind::Text);
    const int office = l.group(Identification, QStringLiteral("A. MIEJSCE SKŁADANIA DEKLARACJI "));
    l.box(QStringLiteral("P5"),
          QStringLiteral("5. Urząd skarbowy do którego adresowana jest deklaracja :"), office, 0, 0,
          PositionKind::Text, 3);
    const int taxpayer = l.group(Identification, QStringLiteral("B. DANE PODATNIKA "));
    const QStringList captions = {
        QStringLiteral("6. Nazwisko"),       QStringLiteral("7. Pierwsze imię"),
        QStringLiteral("8. Data urodzenia"), QStringLiteral("9. Kraj"),
        QStringLiteral("10. Województwo"),   QStringLiteral("11. Powiat"),
        QStringLiteral("12. Gmina"),         QStringLiteral("13. Ulica"),
        QStringLiteral("14. Nr domu"),       QStringLiteral("15. Nr lokalu"),
        QStringLiteral("16 . Miejscowość"),  QStringLiteral("17 . Kod pocztowy"),
        QStringLiteral("18 . Poczta")};
    for (int i = 0; i < captions.size(); ++i)
        l.box(number(QStringLiteral("P"), 6 + i), captions[i], taxpayer, i / 3, i % 3,
              PositionKind::Text);
}

void sectionsCD(Layout &l)
{
    const int c = l.group(SectionsCD, QStringLiteral("C. USTALENIE DOCHODU / STRATY"));
    const QStringList &columns = IncomeColumns();
    for (int column = 0; column < columns.size(); ++column)
        l.label(columns[column], c, 0, column + 1);
    const QStringList &rows = IncomeRows();
    for (int row = 0; row < rows.size(); ++row) {
        l.label(rows[row], c, row + 1, 0);
        for (int column = 0; column < 4; ++column) {
            const int position = 19 + 4 * row + column;
            l.box(number(QStringLiteral("P"), position), QString::number(position) + QLatin1Char('.'),
                  c, row + 1, column + 1, PositionKind::Amount);
        }
    }
    const int d = l.group(SectionsCD,
                          QStringLiteral("D. DOCHÓD PO ODLICZENIU DOCHODU ZWOLNIONEGO I STRAT "));
    l.box(QStringLiteral("P31"), caption(31, QStringLiteral("Dochody zwolnione od podatku (specjalna strefa ekonomiczna)")), d, 0, 0, PositionKind::Amount);
    l.box(QStringLiteral("P32"), caption(32, QStringLiteral("Straty z lat ubiegłych")), d, 1, 0, PositionKind::Amount);
    l.box(QStringLiteral("P33"), caption(33, QStringLiteral("Dochód po odliczeniu dochodu zwolnionego i strat")), d, 2, 0, PositionKind::Amount);
    l.label(LossesLimitNote(), d, 3, 0);
}

void sectionE(Layout &l)
{
    const int e1 = l.group(SectionE, QStringLiteral("E.1. ODLICZENIA OD DOCHODU "));
    l.box(QStringLiteral("P34"), caption(34, QStringLiteral("Składki na ubezpieczenia społeczne")), e1, 0, 0, PositionKind::Amount);
    l.box(QStringLiteral("P35"), caption(35, QStringLiteral("Odliczenia od dochodu (art. 26 ust. 1 pkt 5-6 i 9)")), e1, 1, 0, PositionKind::Amount);
    const int e2 = l.group(SectionE, QStringLiteral("E.2. ODLICZENIA OD DOCHODU WYDATKÓW MIESZKANIOWYCH"));
    l.box(QStringLiteral("P37"), QStringLiteral("36. Podać rodzaj:"), e2, 0, 0, PositionKind::Memo);
    l.box(QStringLiteral("P38"), caption(37, QStringLiteral("Kwota wydatków mieszkaniowych")), e2, 0, 1, PositionKind::Amount);
    const int e3 = l.group(SectionE, QStringLiteral("E.3. INNE ODLICZENIA, NIE WYMIENIONE W CZĘŚCI OD E.1 DO E.2"));
    l.box(QStringLiteral("P39"), QStringLiteral("38. Podać rodzaj:"), e3, 0, 0, PositionKind::Memo);
    l.box(QStringLiteral("P40"), caption(39, QStringLiteral("Kwota innych odliczeń")), e3, 0, 1, PositionKind::Amount);
}

void sectionsFI(Layout &l)
{
    const int f = l.group(SectionsFI, QStringLiteral("F. ODLICZENIA Z TYTUŁU WYDATKÓW INWESTYCYJNYCH"));
    l.box(QStringLiteral("P41"), caption(40, QStringLiteral("Dodatkowa obniżka")), f, 0, 0, PositionKind::Amount);
    const int g = l.group(SectionsFI, QStringLiteral("G. DOCHÓD ZWOLNIONY OD PODATKU"));
    l.box(QStringLiteral("P43"), caption(41, QStringLiteral("Dochód zwolniony od podatku")), g, 0, 0, PositionKind::Amount);
    const int h = l.group(SectionsFI, QStringLiteral("H. DOCHÓD PO ODLICZENIACH"));
    l.box(QStringLiteral("P44"), caption(42, QStringLiteral("Dochód po odliczeniach")), h, 0, 0, PositionKind::Amount);
    const int i = l.group(SectionsFI, QStringLiteral("I. USTALENIE PODSTAWY OBLICZENIA PODATKU"));
    l.box(QStringLiteral("P45"), caption(43, QStringLiteral("Kwoty zwiększające podstawę obliczenia podatku / zmniejszające stratę")), i, 0, 0, PositionKind::Amount);
    l.box(QStringLiteral("P46"), caption(44, QStringLiteral("Podstawa obliczenia podatku")), i, 1, 0, PositionKind::Amount);
}

void sectionJ1(Layout &l)
{
    const int tax = l.group(SectionJ1, QStringLiteral("J.1. OBLICZENIE PODATKU"));
    l.box(QStringLiteral("P47"), caption(45, QStringLiteral("Podatek od podstawy obliczenia")), tax, 0, 0, PositionKind::Amount);
    const int deductions = l.group(SectionJ1, QStringLiteral("J.2. ODLICZENIA OD PODATKU"));
    l.box(QStringLiteral("P48"), caption(46, QStringLiteral("Składki na ubezpieczenie zdrowotne zapłacone od początku roku")), deductions, 0, 0, PositionKind::Amount);
    l.box(QStringLiteral("P49"), caption(47, QStringLiteral("Ulgi inwestycyjne udzielone przed 1992 r.")), deductions, 1, 0, PositionKind::Amount);
    l.box(QStringLiteral("P50"), caption(48, QStringLiteral("Ulgi z tytułu szkolenia uczniów")), deductions, 2, 0, PositionKind::Amount);
    l.box(QStringLiteral("P51"), QStringLiteral("49. Podać rodzaj :"), deductions, 3, 0, PositionKind::Memo);
    l.box(QStringLiteral("P52"), caption(50, QStringLiteral("Inne odliczenia od podatku")), deductions, 3, 1, PositionKind::Amount);
    const int advance = l.group(SectionJ1, QStringLiteral("J.3. OBLICZENIE NALEŻNEJ ZALICZKI"));
    l.box(QStringLiteral("P53"), caption(51, QStringLiteral("Podatek po odliczeniach od początku roku")), advance, 0, 0, PositionKind::Amount);
    l.box(QStringLiteral("P54"), caption(52, QStringLiteral("Suma zaliczek należnych za poprzednie miesiące")), advance, 1, 0, PositionKind::Amount);
    l.box(QStringLiteral("P55"), caption(53, QStringLiteral("Zaliczka należna za miesiąc")), advance, 2, 0, PositionKind::Amount);
    l.box(QStringLiteral("P56"), caption(54, QStringLiteral("Suma zaliczek należnych od początku roku")), advance, 3, 0, PositionKind::Amount);
}

void sectionJ4(Layout &l)
{
    const int limit = l.group(SectionJ4, QStringLiteral("J.4. OGRANICZENIE POBORU ZALICZEK - NA PODSTAWIE ART.22 USTAWY Z DNIA 29.08.1997 R."));
    l.box(QStringLiteral("P57"), QStringLiteral("55. Numery\ndecyzji organu\npodatkowego"), limit, 0, 0, PositionKind::Memo);
    l.box(QStringLiteral("P58"), QStringLiteral("56. Daty\ndecyzji organu\npodatkowego"), limit, 0, 1, PositionKind::Memo);
    l.box(QStringLiteral("P59"), caption(57, QStringLiteral("Kwota wynikająca z decyzji organu podatkowego")), limit, 1, 0, PositionKind::Amount);
    l.box(QStringLiteral("P60"), caption(58, QStringLiteral("Kwota zrealizowana w poprzednich miesiącach")), limit, 2, 0, PositionKind::Amount);
    l.box(QStringLiteral("P61"), caption(59, QStringLiteral("Kwota do realizacji w tej deklaracji")), limit, 3, 0, PositionKind::Amount);
    const int due = l.group(SectionJ4, QStringLiteral("J.5. OBLICZENIE ZOBOWIĄZANIA PRZYPADAJĄCEGO DO ZAPŁATY"));
    l.box(QStringLiteral("P62"), caption(60, QStringLiteral("Zaliczka po ograniczeniu")), due, 0, 0, PositionKind::Amount);
    l.box(QStringLiteral("P63"), caption(61, QStringLiteral("Zryczałtowany podatek od remanentu likwidacyjnego")), due, 1, 0, PositionKind::Amount);
    l.box(QStringLiteral("P64"), caption(62, QStringLiteral("Kwota do zapłaty")), due, 2, 0, PositionKind::Amount);
    l.box(QStringLiteral("P65"), caption(63, QStringLiteral("Odsetki od kosztów wytworzenia środków trwałych")), due, 3, 0, PositionKind::Amount);
}

void sectionK(Layout &l)
{
    for (int row = 0; row < 4; ++row) {
        const int group = l.group(SectionK, QString::number(row + 1));
        const int first = 66 + 9 * row; // field number
        const int position = 64 + 9 * row;
        const auto field = [&](int offset) { return number(QStringLiteral("K"), first + offset); };
        const auto text = [&](int offset, const char *name) {
            return caption(position + offset, QString::fromUtf8(name));
        };
        l.box(field(0), text(0, "NIP"), group, 0, 0, PositionKind::Text);
        l.box(field(1), text(1, "REGON"), group, 0, 1, PositionKind::Text);
        l.box(field(2), text(2, "Pełna nazwa"), group, 0, 2, PositionKind::Text, 2);
        l.box(field(3), text(3, "Adres miejsca prowadzenia działalności"), group, 1, 0, PositionKind::Text, 3);
        l.box(field(4), text(4, "Udział %"), group, 1, 3, PositionKind::Share);
        l.box(field(5), text(5, "Przychód"), group, 2, 0, PositionKind::Amount);
        l.box(field(6), text(6, "Koszty uzyskania przychodu"), group, 2, 1, PositionKind::Amount);
        l.box(field(7), text(7, "Dochód"), group, 2, 2, PositionKind::Amount);
        l.box(field(8), text(8, "Strata"), group, 2, 3, PositionKind::Amount);
    }
}

void sectionL(Layout &l)
{
    for (int row = 0; row < 2; ++row) {
        const int group = l.group(SectionL, QString::number(row + 1), true);
        const int first = 84 + 16 * row;
        const int position = 100 + 16 * row;
        const auto field = [&](int offset) { return number(QStringLiteral("L"), first + offset); };
        const auto text = [&](int offset, const char *name) {
            return caption(position + offset, QString::fromUtf8(name));
        };
        l.box(field(0), text(0, "Rodzaj działalności"), group, 0, 0, PositionKind::Text, 2);
        l.box(field(1), text(1, "NIP"), group, 0, 2, PositionKind::Text);
        l.box(field(2), text(2, "REGON"), group, 0, 3, PositionKind::Text);
        l.box(field(3), text(3, "Pełna nazwa"), group, 1, 0, PositionKind::Text, 2);
        l.box(field(4), text(4, "Adres miejsca prowadzenia działalności"), group, 1, 2, PositionKind::Text, 2);
        l.box(field(5), text(5, "Numer zezwolenia"), group, 2, 0, PositionKind::Text, 2);
        l.box(field(6), text(6, "Data wydania zezwolenia"), group, 2, 2, PositionKind::Text);
        l.box(field(7), text(7, "Data rozpoczęcia działalności"), group, 2, 3, PositionKind::Text);
        l.box(field(8), text(8, "Zasady opodatkowania"), group, 3, 0, PositionKind::Rule, 4);
        l.box(field(9), text(9, "Udział %"), group, 4, 0, PositionKind::Share);
        l.box(field(10), text(10, "Przychód"), group, 4, 1, PositionKind::Amount);
        l.box(field(11), text(11, "Koszty uzyskania przychodu"), group, 4, 2, PositionKind::Amount);
        l.box(field(12), text(12, "Dochód"), group, 4, 3, PositionKind::Amount);
        l.box(field(13), text(13, "Strata"), group, 5, 0, PositionKind::Amount);
        l.box(field(14), text(14, "Dochód zwolniony"), group, 5, 1, PositionKind::Amount);
        l.box(field(15), text(15, "Kwota zwiększająca podstawę"), group, 5, 2, PositionKind::Amount);
    }
}

void sectionsMO(Layout &l)
{
    const int rental = l.group(SectionsMO,
                               QStringLiteral("M. NAJEM, PODNAJEM, DZIERŻAWA ORAZ INNE UMOWY O PODOBNYM "
                                              "CHARAKTERZE, WSPÓŁWŁASNOŚĆ I WSPÓLNE POSIADANIE"),
                               true);
    for (int row = 0; row < 2; ++row) {
        const int first = 116 + 7 * row;
        const int position = 132 + 7 * row;
        const int line = 3 * row;
        const auto field = [&](int offset) { return number(QStringLiteral("M"), first + offset); };
        const auto text = [&](int offset, const char *name) {
            return caption(position + offset, QString::fromUtf8(name));
        };
        l.label(QString::number(row + 1), rental, line, 0);
        l.box(field(0), text(0, "Źródło przychodu"), rental, line + 1, 0, PositionKind::Text, 2);
        l.box(field(1), text(1, "Adres położenia przedmiotu umowy"), rental, line + 1, 2, PositionKind::Text, 3);
        l.box(field(2), text(2, "Udział %"), rental, line + 2, 0, PositionKind::Share);
        l.box(field(3), text(3, "Przychód"), rental, line + 2, 1, PositionKind::Amount);
        l.box(field(4), text(4, "Koszty uzyskania przychodu"), rental, line + 2, 2, PositionKind::Amount);
        l.box(field(5), text(5, "Dochód"), rental, line + 2, 3, PositionKind::Amount);
        l.box(field(6), text(6, "Strata"), rental, line + 2, 4, PositionKind::Amount);
    }
    const int annexes = l.group(SectionsMO, QStringLiteral("N. INFORMACJA O ZAŁĄCZNIKACH"));
    l.box(QStringLiteral("N130"), QStringLiteral("146. PIT-5/A"), annexes, 0, 0, PositionKind::Count);
    l.box(QStringLiteral("N131"), QStringLiteral("147. PIT-5/X"), annexes, 0, 1, PositionKind::Count);
    l.box(QStringLiteral("N133"), QStringLiteral("148. SSE-M"), annexes, 0, 2, PositionKind::Count);
    l.box(QStringLiteral("N132"), QStringLiteral("149. Renament likwidacyjny"), annexes, 0, 3, PositionKind::Count);
    const int date = l.group(SectionsMO, QStringLiteral("O. DATA WYPEŁNIENIA DEKLARACJI"));
    l.box(QStringLiteral("O133"), QStringLiteral("Data wypełnienia (dzień-miesiąc-rok)"), date, 0, 0, PositionKind::Text);
}

Layout buildLayout()
{
    Layout l;
    identification(l);
    sectionsCD(l);
    sectionE(l);
    sectionsFI(l);
    sectionJ1(l);
    sectionJ4(l);
    sectionK(l);
    sectionL(l);
    sectionsMO(l);
    for (DeclarationPosition &position : l.positions) {
        if (position.field == QLatin1String("P8"))
            position.inputMask = QStringLiteral("99-99-9999;_");
        else if (position.field == QLatin1String("P17"))
            position.maxLength = 6;
    }
    return l;
}

const Layout &layout()
{
    static const Layout built = buildLayout();
    return built;
}

} // namespace

const QList<DeclarationPage> &DeclarationPages()
{
    static const QList<DeclarationPage> pages = {
        {QStringLiteral("Dane o firmie"),
         QStringLiteral("PIT 5          DEKLARACJA NA ZALICZKĘ MIESIĘCZNĄ NA PODATEK DOCHODOWY"), QString()},
        {QStringLiteral("C - D"), QString(), QString()},
        {QStringLiteral("E    "), QStringLiteral("E. ODLICZENIA OD DOCHODU"),
         QStringLiteral("Suma kwot z części od E.1 do E.5 oraz F i G nie może przekroczyć kwoty z poz.33.")},
        {QStringLiteral("F - I"), QString(), QString()},
        {QStringLiteral("J1"), QStringLiteral("J. OBLICZENIE NALEŻNEGO PODATKU"), QString()},
        {QStringLiteral("J4"), QString(), QString()},
        {QStringLiteral("K"), QStringLiteral("K. POZAROLNICZA DZIAŁALNOSC GOSPODARCZA"), QString()},
        {QStringLiteral("L"),
         QStringLiteral("L. POZAROLNICZA DZIAŁALNOSC GOSPODARCZA prowadzona na terenie specjalnej "
                        "strefy ekonomicznej"),
         QString()},
        {QStringLiteral("M - O"), QString(), QString()},
    };
    return pages;
}

const QList<DeclarationGroup> &DeclarationGroups()
{
    return layout().groups;
}

const QList<DeclarationPosition> &DeclarationPositions()
{
    return layout().positions;
}

const QStringList &TaxationRules()
{
    static const QStringList rules = {QStringLiteral("podatnik nie korzysta ze zwolnień i preferencji"),
                                      QStringLiteral("podatnik korzysta z preferencji"),
                                      QStringLiteral("podatnik korzysta ze zwolnienia")};
    return rules;
}

const QStringList &IncomeColumns()
{
    static const QStringList columns = {QStringLiteral("Przychód"),
                                        QStringLiteral("Koszty uzyskania\nprzychodu"),
                                        QStringLiteral("Dochód"), QStringLiteral("Strata")};
    return columns;
}

const QStringList &IncomeRows()
{
    static const QStringList rows = {
        QStringLiteral("1. Pozarolnicza działalność\ngospodarcza"),
        QStringLiteral("2. Najem, podnajem lub dzierżawa \noraz umowy o podobnym charakterze"),
        QStringLiteral("RAZEM")};
    return rows;
}

QString LossesLimitNote()
{
    return QStringLiteral("Suma odliczeń nie może przekroczyć kwoty dochodu z poz. 29.");
}

const DeclarationPosition *PositionOf(const QString &field)
{
    for (const DeclarationPosition &position : DeclarationPositions())
        if (position.field == field)
            return &position;
    return nullptr;
}
