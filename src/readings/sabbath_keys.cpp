#include "sabbath_keys.h"

namespace lyrasta {

namespace {

bool Starred(const std::string& s) { return !s.empty() && s.front() == '*'; }

std::string WithoutStar(std::string s) {
    if (Starred(s)) s.erase(0, 1);
    return s;
}

// "Oct. 5, 2024 / 3 Tishrei, 5785".
std::string DateLine(const CivilDate& civil, const HebrewDate& hebrew, bool leap) {
    return std::string(CivilMonthAbbrev(civil.month)) + " " + std::to_string(civil.day) + ", " +
           std::to_string(civil.year) + " / " + std::to_string(hebrew.day) + " " +
           std::string(HebrewMonthName(hebrew.month, leap)) + ", " + std::to_string(hebrew.year);
}

}  // namespace

SabbathKeyValues SabbathKeys(TPortionSchedule& schedule, std::string_view readingName, std::int32_t year,
                             bool israel) {
    SabbathKeyValues keys;
    THebrewCalendar& calendar = schedule.Calendar();
    const int type = calendar.YearType(year);
    if (readingName == "V'zos HaBracha") {
        // Never read on a Sabbath: it is read on Simchas Torah (23 Tishrei, in Israel 22),
        // with the festival's own Maftir and Haftarah, so no Sabbath's key applies.
        const HebrewDate simchasTorah{israel ? 22 : 23, 1, year};
        const std::int32_t dayNumber = calendar.HebrewToDayNumber(simchasTorah.day, year, 1);
        keys.dateLine = DateLine(DayNumberToCivil(dayNumber), simchasTorah, IsLeapYearType(type));
        return keys;
    }
    const SabbathDate sabbath = schedule.SabbathOfPortion(readingName, year, type, israel);
    if (sabbath.day == 0) return keys;

    const HebrewDate hebrew{sabbath.day, CalendarMonthToSlot(sabbath.month), year};
    const std::int32_t dayNumber = calendar.HebrewToDayNumber(sabbath.day, year, sabbath.month);
    keys.dateLine = DateLine(DayNumberToCivil(dayNumber), hebrew, IsLeapYearType(type));

    constexpr int kSaturday = 7;
    const Holiday h = HolidayForDate(hebrew.day, hebrew.month, kSaturday, israel, type);
    const std::string s =
        schedule.PortionForDate(hebrew.day, year, israel, false, kSaturday, hebrew.month).special;
    const bool hStar = Starred(h.name), sStar = Starred(s);
    const bool rc = IsRoshChodesh(hebrew.day, static_cast<float>(hebrew.month));
    const bool erc = IsErevRoshChodesh(hebrew.day, hebrew.month);
    // The holiday's own Maftir ("Chanukah Day 3"), and its Haftarah: the first or second
    // Sabbath of Chanukah, or the holiday's.
    const std::string holidayMaftir = h.sub.empty() ? h.name : h.name + " " + h.sub;
    const bool chanukah = h.name == "*Chanukah";
    const std::string chanukahHaftarah = h.sub == "Day 8" ? "Shabbas Chanukah II" : "Shabbas Chanukah I";

    if (hStar && sStar) {
        // A special Sabbath that is also a holiday keeps the ordinary readings.
    } else if (!hStar && !rc && !erc) {
        if (sStar) keys.maftir = keys.haftarah = s;
    } else if (!hStar && !sStar && rc) {
        keys.maftir = keys.haftarah = "Shabbas Rosh Chodesh";
    } else if (!hStar && !sStar && erc) {
        keys.haftarah = "Shabbas Erev Rosh Chodesh";
    } else if (hStar && !rc) {
        keys.maftir = holidayMaftir;
        keys.haftarah = chanukah ? chanukahHaftarah : h.name;
    } else if (hStar && rc) {
        keys.maftir = holidayMaftir;
        keys.haftarah = chanukah ? chanukahHaftarah : "Shabbas " + h.name;
        keys.roshChodesh = true;
    } else if (rc) {  // a special Sabbath on Rosh Chodesh
        keys.maftir = keys.haftarah = s;
        keys.roshChodesh = true;
    } else {  // a special Sabbath on the eve of Rosh Chodesh
        keys.maftir = keys.haftarah = s;
        keys.erevRoshChodeshSpecial = true;
    }

    keys.maftir = WithoutStar(keys.maftir);
    keys.haftarah = WithoutStar(keys.haftarah);
    if (keys.maftir == "Shabbas HaGadol") keys.maftir.clear();

    if (readingName == "Pinchas") {
        const bool afterFast = hebrew.month >= 11 && hebrew.day >= 18;
        keys.haftarah = afterFast ? "After 17th of Tammuz" : "Before 17th of Tammuz";
    }
    if ((readingName == "Haazinu" || readingName == "Vayeilech") && hebrew.month == 1 && hebrew.day >= 3 &&
        hebrew.day <= 8)
        keys.haftarah = "Between Rosh Hashanah and Yom Kippur";
    // The Haftarot of rebuke and of consolation are not displaced by the new moon's: Masei
    // on Rosh Chodesh Av keeps "Shim'u" (the Maftir is still that of Rosh Chodesh), and
    // Re'eh on the eve of Rosh Chodesh Elul keeps its consolation.
    const bool masei = readingName == "Masei" || readingName == "Mattos+Masei";
    if ((masei && keys.haftarah == "Shabbas Rosh Chodesh") ||
        (readingName == "Re'eh" && keys.haftarah == "Shabbas Erev Rosh Chodesh"))
        keys.haftarah.clear();
    // A Haftarah that gave way to a special Sabbath's is made up the week after: Kedoshim,
    // read on its own after Acharei was Shabbas HaGadol or the eve of Rosh Chodesh, reads
    // Acharei's; Ki Seitzei after Re'eh fell on Rosh Chodesh adds Re'eh's third consolation.
    if (keys.haftarah.empty() && readingName == "Kedoshim" &&
        !SabbathKeys(schedule, "Acharei", year, israel).haftarah.empty())
        keys.haftarah = "After a special Sabbath";
    if (keys.haftarah.empty() && readingName == "Ki Seitzei" &&
        SabbathKeys(schedule, "Re'eh", year, israel).haftarah == "Shabbas Rosh Chodesh")
        keys.haftarah = "With the third consolation";
    if (keys.roshChodesh) keys.suffix = " (Shvi'i:Rosh Chodesh)";
    return keys;
}

}  // namespace lyrasta
