#pragma once
// The row text of one measurement that the summary table prints and the measurement export
// writes: 25 fields, each followed by "|".

#include <string>

class CProtokoll;

// `messungsId` is the measurement's running-number text; a protocol without such a measurement
// gives the row with empty measurement fields.
std::string BildeZusammenstellungszeile(const CProtokoll& protokoll, const std::string& messungsId);
