#pragma once
// What the print path needs to know of the printer's sheet: where the printable area begins and
// how large it is, for the page rectangle in hundredths of a millimetre.

class QPrinter;

struct DRUCKBEREICH
{
    int versatzX = 0; // physical offset of the printable area from the sheet's left edge, 0.01 mm
    int versatzY = 0; // from the sheet's top edge, 0.01 mm
    int breiteMm = 0; // printable width, whole millimetres
    int hoeheMm = 0;  // printable height, whole millimetres
};

DRUCKBEREICH LeseDruckbereich(const QPrinter& drucker);
