#pragma once
// Command numbers of the menus, accelerators and buttons. A menu action carries its number as
// its data, so that commands can be found and removed by number wherever a menu shows them.

enum Befehl : int
{
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_APP_ABOUT = 57664,
    ID_PROTOKOLL_LOESCHEN = 32784,
    ID_ZUORDNUNG_AENDERN = 32785,
    ID_GEHE_ZU = 32788,
    ID_PROTOKOLLNUMMERN_MERKEN = 32790,
    ID_IMPORTIEREN = 32794,
    ID_SPALTEN_ZURUECKSETZEN = 32797,
};
