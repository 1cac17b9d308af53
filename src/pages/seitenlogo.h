#pragma once
// The company logo that the page header paints. The application owns the bitmap and registers it
// once it is loaded; without one the header leaves the logo band empty.

#include "platform/gdi.h"

class CDC;
class CDib;

void SetzeSeitenlogo(const CDib* logo);
const CDib* Seitenlogo();

// Paints the registered logo stretched into `ziel`; nothing without one. A logo that is loaded
// but cannot be painted (its picture finds no memory) fails the page: std::bad_alloc.
void ZeichneSeitenlogo(CDC& dc, const RECT& ziel);
