#pragma once
// Readable failure messages for the calendar's records.

#include <ostream>

#include "readings/sabbath_keys.h"

namespace lyrasta {

inline void PrintTo(const HebrewDate& d, std::ostream* os) { *os << d.day << "/" << d.month << "/" << d.year; }
inline void PrintTo(const CivilDate& d, std::ostream* os) { *os << d.year << "-" << d.month << "-" << d.day; }
inline void PrintTo(const Holiday& h, std::ostream* os) { *os << "{\"" << h.name << "\", \"" << h.sub << "\"}"; }
inline void PrintTo(const PortionOfDay& p, std::ostream* os) { *os << "{\"" << p.portion << "\", \"" << p.special << "\"}"; }
inline void PrintTo(const SabbathDate& s, std::ostream* os) { *os << s.day << "/" << s.month; }
inline void PrintTo(const SabbathKeyValues& k, std::ostream* os) {
    *os << "{\"" << k.dateLine << "\", maftir \"" << k.maftir << "\", haftarah \"" << k.haftarah << "\", rc "
        << k.roshChodesh << ", erc special " << k.erevRoshChodeshSpecial << ", \"" << k.suffix << "\"}";
}

}  // namespace lyrasta
