#pragma once
// Qt's own remarks ("QPainter::begin(): Returned false", font and platform notes) are English
// words for developers; the user is told of the same failure by the program's Polish
// message. Once installed, they never reach the screen or the error stream scripts read:
// they are appended to the file KSIEGA_QT_LOG names when it is set, and dropped otherwise.
// A fatal one still ends the program with its words on the error stream.

void keepQtMessagesFromUser();
