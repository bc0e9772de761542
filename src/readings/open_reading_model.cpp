#include "open_reading_model.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace lyrasta {

namespace {


// The single portions that a combined portion joins; Nitzavim+Vayeilech has only its
// first here, as Vayeilech is also read on its own at the start of some years.
struct CombinedPair {
    int combined, first, second;
};
constexpr CombinedPair kPairs[] = {{54, 21, 22}, {55, 26, 27}, {56, 28, 29}, {57, 31, 32},
                                   {58, 38, 39}, {59, 41, 42}, {60, 50, -1}};
constexpr int kVayeilech = 51;

}  // namespace

const std::vector<TReadingGroup>& ReadingGroups() {
    static const std::vector<TReadingGroup> groups = [] {
        auto names = [](std::initializer_list<int> portions) {
            std::vector<std::string> items;
            for (int p : portions) items.emplace_back(PortionName(p));
            return items;
        };
        return std::vector<TReadingGroup>{
            {"optBereishis", "Bereishis/Genesis", names({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})},
            {"optShemos", "Shemos/Exodus", names({12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 54, 22})},
            {"optVayikra", "Vayikra/Leviticus", names({23, 24, 25, 26, 55, 27, 28, 56, 29, 30, 31, 57, 32})},
            {"optBamidbar", "Bamidbar/Numbers", names({33, 34, 35, 36, 37, 38, 58, 39, 40, 41, 59, 42})},
            {"optDevarim", "Devarim/Deuteronomy", names({43, 44, 45, 46, 47, 48, 49, 50, 60})},
            {"optDevarim2", "Devarim/Deuteronomy", names({51, 52, 53})},
            {"optSpecial", "",
             {"Rosh Chodesh", "Rosh Hashanah", "Fast of Gedalia", "Yom Kippur", "Succos", "Hoshana Rabbah",
              "Shemini Atzeres", "Simchas Torah", "Chanukah", "Tenth of Teves", "Fast of Esther", "Purim", "Pesach",
              "Shavuos", "Seventeenth of Tammuz", "Tisha B'Av", "", "Megillas Esther",
              "Megillas Shir HaShirim (Song of Songs)", "Megillas Ruth", "Megillas Eichah (Lamentations)",
              "Megillas Koheles (Ecclesiastes)"}},
        };
    }();
    return groups;
}

CivilDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::int32_t HebrewYearOfToday() {
    const CivilDate today = Today();
    THebrewCalendar calendar;
    return calendar.CivilToHebrew(today.day, today.month, today.year).year;
}

TComingPortion ComingSabbathPortion(const CivilDate& date, bool israel) {
    constexpr int kSaturday = 7;
    const std::int32_t n = CivilToDayNumber(date.day, static_cast<float>(date.month), date.year);
    TPortionSchedule schedule;
    const HebrewDate h = schedule.Calendar().DayNumberToHebrewDate(n + (kSaturday - Weekday(n)));
    return {schedule.PortionForDate(h.day, h.year, israel, true, kSaturday, h.month).portion, h.year};
}

TOpenReadingModel::TOpenReadingModel(const TCatalogue& catalogue, std::int32_t currentYear, Stored stored)
    : catalogue_(catalogue), year_(std::clamp(currentYear, kFirstYear, kLastYear)), triennial_(stored.triennial) {
    base_ = StartCycleBase({stored.cycle, stored.year}, year_);
    cycle_ = CycleForYear(base_, year_);
    UpdateAvailability();
}

std::string TOpenReadingModel::NextYearLabel() const {
    return "(" + std::to_string(year_ - 3761) + "/" + std::to_string(year_ - 3760) + ")";
}

void TOpenReadingModel::UpdateAvailability() {
    read_ = PortionsReadInYear(schedule_.Calendar().YearType(year_), israel_);
}

bool TOpenReadingModel::ItemEnabled(int group, int item) const {
    const auto& groups = ReadingGroups();
    if (group < 0 || group >= static_cast<int>(groups.size())) return false;
    const auto& items = groups[group].items;
    if (item < 0 || item >= static_cast<int>(items.size()) || items[item].empty()) return false;
    if (group == kHolidayGroup) return true;
    const int portion = PortionNumber(items[item]);
    if (portion == kVayeilech) return read_[kVayeilech];
    for (const CombinedPair& p : kPairs) {
        if (portion == p.combined) return read_[p.combined];
        if (portion == p.first || portion == p.second) return !read_[p.combined];
    }
    return true;
}

void TOpenReadingModel::SetYear(std::int32_t year) {
    year_ = std::clamp(year, kFirstYear, kLastYear);
    cycleLabel_ = "Cycle for " + std::to_string(year_) + ":";
    cycle_ = CycleForYear(base_, year_);
    UpdateAvailability();
    if (group_ >= 0) Select(group_, item_);
}

void TOpenReadingModel::SetIsrael(bool israel) {
    israel_ = israel;
    UpdateAvailability();
    if (group_ >= 0) Select(group_, item_);
}

void TOpenReadingModel::SetTriennial(bool on) {
    triennial_ = on;
    cycleLabel_ = "Cycle for " + std::to_string(year_) + ":";
    Refresh();
}

void TOpenReadingModel::SetCycle(int cycle) {
    cycle = std::clamp(cycle, 1, 3);
    base_.cycle = BaseFromCycle(base_, cycle, year_);
    cycle_ = cycle;
    Refresh();
}

void TOpenReadingModel::Select(int group, int item) {
    const auto& groups = ReadingGroups();
    if (group < 0 || group >= static_cast<int>(groups.size())) return;
    const auto& items = groups[group].items;
    const int count = static_cast<int>(items.size());
    if (item < 0 || item >= count || items[item].empty()) return;
    if (group != kHolidayGroup) {
        // A portion not read this year gives way to its neighbour: the combined portion
        // in a year they are read together, the single one in a year they are apart.
        const int type = schedule_.Calendar().YearType(year_);
        for (int tries = 0; tries < 2 * count; ++tries) {
            if (schedule_.SabbathOfPortion(items[item], year_, type, israel_).day != 0) break;
            if (item == count - 1) --item;
            else if (item == 0) ++item;
            else if (Contains(items[item + 1], "+")) ++item;
            else --item;
        }
    }
    group_ = group;
    item_ = item;
    name_ = items[item];
    Refresh();
}

bool TOpenReadingModel::SelectReading(std::string_view name) {
    const std::string wanted = UpperCase(name);
    if (wanted.empty()) return false;
    const auto& groups = ReadingGroups();
    for (int g = 0; g < static_cast<int>(groups.size()); ++g)
        for (int i = 0; i < static_cast<int>(groups[g].items.size()); ++i)
            if (UpperCase(groups[g].items[i]) == wanted) {
                Select(g, i);
                return true;
            }
    return false;
}

void TOpenReadingModel::Refresh() {
    if (group_ < 0) return;
    keys_ = Holiday() ? SabbathKeyValues{} : SabbathKeys(schedule_, name_, year_, israel_);
    const std::string key = TriennialKey(schedule_.Calendar(), name_, std::to_string(cycle_), year_, israel_);
    lists_ = FillOptionLists(catalogue_.ReadingElement(name_), keys_, triennial_, key);
    maftirEnabled_ = haftarahEnabled_ = true;
    ApplyTorahRule();
    // A Megillah has no Torah reading; nor has a reading the catalogue lacks.
    openTorah_ = !Contains(name_, "Megillas") && !lists_.torah.empty();
}

void TOpenReadingModel::ApplyTorahRule() {
    const std::string text = lists_.torahIndex >= 0 ? lists_.torah[lists_.torahIndex].text : std::string();
    if (text.starts_with("Weekday")) {
        maftirEnabled_ = haftarahEnabled_ = false;
        openHaftarah_ = openReading_ = false;
    } else if (!Contains(text, "Minchah") || Contains(text, "Tisha")) {
        maftirEnabled_ = haftarahEnabled_ = true;
        openHaftarah_ = !lists_.haftarah.empty();
        openReading_ = !lists_.other.empty();
    } else {
        // An afternoon reading has no Maftir; a fast's afternoon keeps its Haftarah.
        maftirEnabled_ = false;
        openReading_ = false;
    }
}

void TOpenReadingModel::SelectTorahOption(int index) {
    if (index < 0 || index >= static_cast<int>(lists_.torah.size())) return;
    lists_.torahIndex = index;
    ApplyTorahRule();
}

void TOpenReadingModel::SelectMaftir(int index) {
    if (index >= 0 && index < static_cast<int>(lists_.maftir.size())) lists_.maftirIndex = index;
}

void TOpenReadingModel::SelectHaftarah(int index) {
    if (index >= 0 && index < static_cast<int>(lists_.haftarah.size())) lists_.haftarahIndex = index;
}

void TOpenReadingModel::SelectOther(int index) {
    if (index >= 0 && index < static_cast<int>(lists_.other.size())) lists_.otherIndex = index;
}

bool TOpenReadingModel::OpenEnabled(TOpenKind kind) const {
    switch (kind) {
    case TOpenKind::Torah: return openTorah_;
    case TOpenKind::Haftarah: return openHaftarah_;
    case TOpenKind::Reading: return openReading_;
    }
    return false;
}

TOpenedReading TOpenReadingModel::Open(TOpenKind kind, bool forceWrapping) const {
    if (!OpenEnabled(kind)) return {};
    return OpenChosenReading(catalogue_.ReadingElement(name_), name_, kind, lists_, maftirEnabled_, keys_,
                             forceWrapping);
}

}  // namespace lyrasta
