#pragma once
// What the ledger window shows for the working month, decided without a window: the title,
// the month buttons' captions, whether the posted-month mark is up and whether the record
// commands are available.

#include <QString>
#include <QStringList>

class TDANE;
struct WorkingEnvironment;

// "Styczeń" .. "Grudzień", "Wszystkie": the captions of the buttons M01..M13.
const QStringList &MonthButtonCaptions();
// "styczeń" .. "grudzień" for 1..12, "wszystkie" for 13.
QString MonthTitleName(int month);
// "PODATKOWA KSIĘGA PRZYCHODÓW i ROZCHODÓW miesiąc : " + month name + " " + year.
QString LedgerTitle(const WorkingEnvironment &environment);

// The working month as a number (13 for "Wszystkie"); 0 when it is not a number.
int WorkingMonthNumber(const WorkingEnvironment &environment);
// A posted month is shown: the posting-state panel and the "ZAKSIĘGOWANY !!!" mark.
bool ShowsPostedMonth(const WorkingEnvironment &environment);
QString PostingPanelText(const WorkingEnvironment &environment);
// The first month still open, as two digits: where a copied entry goes.
QString FirstOpenMonth(const WorkingEnvironment &environment);

// New entry, cancel and the grid's context menu exist only for an open single month.
bool RecordCommandsOffered(TDANE &dane);
