#pragma once
// The special keys of the Sabbath on which a chosen weekly portion is read: which Maftir and
// Haftarah replace the ordinary ones (a special Sabbath, Rosh Chodesh or its eve, Chanukah,
// the Haftarah of Pinchas and of the Sabbath between Rosh Hashanah and Yom Kippur).

#include <cstdint>
#include <string>
#include <string_view>

#include "portion_schedule.h"

namespace lyrasta {

struct SabbathKeyValues {
    std::string dateLine;  // "Oct. 5, 2024 / 3 Tishrei, 5785"; empty when the portion is not read
    std::string maftir;    // Maftir key; empty for the ordinary Maftir
    std::string haftarah;  // Haftarah key; empty for the portion's own Haftarah
    bool roshChodesh = false;             // the seventh reading is that of Rosh Chodesh
    bool erevRoshChodeshSpecial = false;  // eve of Rosh Chodesh that is also a special Sabbath
    std::string suffix;    // " (Shvi'i:Rosh Chodesh)" with the Rosh Chodesh flag, else empty
    bool operator==(const SabbathKeyValues&) const = default;
};

// The keys for the Sabbath of the named reading in a Hebrew year. A reading that is not a
// portion read that year (a holiday, a Megilla, a combined portion read apart) has none.
// V'zos HaBracha, read on Simchas Torah and never on a Sabbath, has the date line of
// Simchas Torah and no keys.
SabbathKeyValues SabbathKeys(TPortionSchedule& schedule, std::string_view readingName, std::int32_t year,
                             bool israel);

}  // namespace lyrasta
