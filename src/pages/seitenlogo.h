#pragma once
// The company logo that the page header paints. The application owns the bitmap and registers it
// once it is loaded; without one the header leaves the logo band empty.

class CDib;

void SetzeSeitenlogo(const CDib* logo);
const CDib* Seitenlogo();
