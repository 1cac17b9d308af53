#pragma once
// The row text of one measurement that the summary table prints and the measurement export
// writes: 25 fields, each followed by "|".

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CProtokoll;
class CProtokolle;
class CZusammenstellungDruck;

// `messungsId` is the measurement's running-number text; a protocol without such a measurement
// gives the row with empty measurement fields.
std::string BildeZusammenstellungszeile(const CProtokoll& protokoll, const std::string& messungsId);

// The collection's protocols by identifier, made once per job so that each row finds its
// protocol at once. Of several with one identifier the last wins, as in the collection's own
// search. Valid while the collection is unchanged.
class CProtokollIndex
{
public:
    explicit CProtokollIndex(const CProtokolle& protokolle);
    // Null when the collection has no protocol with that identifier.
    const CProtokoll* Finde(const std::string& id) const;

private:
    std::unordered_map<std::string, const CProtokoll*> m_nachId;
};

// A selected measurement: its protocol's identifier and its running-number text.
using MessungsSchluessel = std::pair<std::string, std::string>;

// Empties the summary table and fills it with the project's site and prefix and one row per
// measurement in the given order; a measurement whose protocol is no longer in the collection is
// left out.
void BereiteZusammenstellungszeilenVor(CZusammenstellungDruck& druck, const CProtokolle& protokolle,
                                       const std::vector<MessungsSchluessel>& messungen);
