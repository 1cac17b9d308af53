#pragma once
// The table layouts of the test types that print table pages of their own, kept as dialog
// templates: the control with id first + 100 × row + column is the cell (row, column).

#include "report/dialogvorlage.h"

// Templates 5102 (sedimentation), 5103 (filter rule), 5104 (lime content), 5105 (permeability
// characteristics), 5106 and 5107 (permeability readings at constant and at falling head); an
// empty template for any other number.
DialogVorlage HoleDruckvorlage(int nummer);
