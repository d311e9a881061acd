#pragma once
// The text engine's choices. The settings keep them by their ordinal, so the order of the
// values is part of the stored format.

enum TTypWydruku {
    drWINDOWS, // a printer of the system, drawn line by line
    drDOS,     // a line printer on a parallel port, raw bytes with control codes
    drEKSPORT, // a text file without form lines
    drBW,      // a text file kept whole ("Bez wycinania")
};

enum TPort { drLPT1, drLPT2, drLPT3 };

enum TEKSPORT { drTXT, drTXTb };

// Print pitch: from each line's control code, or forced for every line.
enum TRODZAJ { drAUTO, drGESTY, drNORMALNY, drROZSZCZELONY };

// Polish letters on port and file output: plain letters, Mazovia, code page 852, or left in
// Windows-1250 (the option shown as "WINDOWS", whatever its name says).
enum TPL { drBRAK, drMAZOWIA, drLATIN, drLATIN852 };
