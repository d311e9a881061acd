#pragma once
// The taxpayer's NIP as the declaration writes it: NNN-NNN-NN-NN, however it was typed in
// the taxpayer record.

#include <QString>

// The NIP without dashes and blanks.
QString NipDigits(const QString &nip);
// "1234567890" and "123-45-67-890" both give "123-456-78-90"; an empty NIP stays empty.
QString DeclarationNip(const QString &taxpayerNip);
