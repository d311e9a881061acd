#pragma once
// The program's only clock. Nothing else reads the system date, so setting
// KSIEGA_TODAY=YYYY.MM.DD replays any day in both programs and in tests.

#include <QDate>
#include <QString>

// The system date, or the date in KSIEGA_TODAY when that holds a valid "YYYY.MM.DD".
QDate today();

// today() as the program writes dates: "YYYY.MM.DD".
QString todayText();
