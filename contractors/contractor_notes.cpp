#include "contractors/contractor_notes.h"

#include "core/data_module.h"
#include "core/table_access.h"

static const QString NumberField = QStringLiteral("NR");

const QStringList &ContractorProvinces()
{
    static const QStringList names = {
        QStringLiteral("DOLNOŚLĄSKIE"),   QStringLiteral("KUJAWSKO-POMORSKIE"),
        QStringLiteral("LUBELSKIE"),      QStringLiteral("LUBUSKIE"),
        QStringLiteral("ŁÓDZKIE"),        QStringLiteral("MAŁOPOLSKIE"),
        QStringLiteral("MAZOWIECKIE"),    QStringLiteral("OPOLSKIE"),
        QStringLiteral("PODKARPACKIE"),   QStringLiteral("PODLASKIE"),
        QStringLiteral("POMORSKIE"),      QStringLiteral("ŚLĄSKIE"),
        QStringLiteral("ŚWIĘTOKRZYSKIE"), QStringLiteral("WARMIŃSKO-MAZURSKIE"),
        QStringLiteral("WIELKOPOLSKIE"),  QStringLiteral("ZACHODNIO-POMORSKIE")};
    return names;
}

const QStringList &ContractorNoteFields()
{
    static const QStringList fields = {
        QStringLiteral("REGPES"), QStringLiteral("Tel1"),   QStringLiteral("Tel2"),
        QStringLiteral("FAX"),    QStringLiteral("EMAIL"),  QStringLiteral("WWW"),
        QStringLiteral("OSKONT"), QStringLiteral("OSVAT"),  QStringLiteral("OSODP"),
        QStringLiteral("Wojew"),  QStringLiteral("OPIS")};
    return fields;
}

bool ReopenContractorNotes(TDANE &dane, Prompter &prompter)
{
    Cursor &notes = dane.TKONTRAHo;
    try {
        if (!SaveTable(notes, prompter))
            return false;
        notes.close();
        notes.setTableName(dane.environment().yearDirectory() + QStringLiteral("FIN/KONTRAHo.DB"));
        notes.open();
        return true;
    } catch (const DbError &) {
        return false;
    }
}

void LinkContractorNotes(TDANE &dane)
{
    Cursor &contractors = dane.TKontrah;
    Cursor &notes = dane.TKONTRAHo;
    notes.setStateChange([&contractors](Cursor &description, Cursor::State) {
        if (description.state() == Cursor::State::Insert && contractors.recNo() >= 0)
            description.field(NumberField).setStoredValue(
                contractors.field(NumberField).storedValue());
    });
    if (notes.isOpen())
        notes.setMaster(&contractors, NumberField);
}

bool UnlinkContractorNotes(TDANE &dane, Prompter &prompter)
{
    Cursor &notes = dane.TKONTRAHo;
    const bool saved = SaveTable(notes, prompter);
    notes.setStateChange({});
    if (notes.isOpen())
        notes.setMaster(nullptr, QString());
    return saved;
}
