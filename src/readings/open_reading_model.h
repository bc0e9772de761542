#pragma once
// What the open-reading dialog decides, without the dialog: the portion and holiday
// groups with one selection across all of them, the Hebrew year, Israel or the Diaspora,
// the annual or triennial cycle, which portions are read that year (a choice of a portion
// not read moves to its neighbour, single or combined), the four option lists and the
// open buttons they allow, and the cycle settings kept between sessions.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "readings/catalogue.h"
#include "readings/triennial.h"

namespace lyrasta {

// One radio group of the dialog: its control name, frame caption and item captions.
struct TReadingGroup {
    std::string control, caption;
    std::vector<std::string> items;
};

// The six portion groups (Genesis ... Deuteronomy in two) and the holiday group, which
// is last and holds an empty, hidden item between the fasts and the Megillot.
const std::vector<TReadingGroup>& ReadingGroups();
constexpr int kHolidayGroup = 6;

// The Hebrew year of today's civil date (the dialog's start).
std::int32_t HebrewYearOfToday();

// The portion of the Sabbath on or after a civil date (or, when that Sabbath is a festival
// day, of the next Sabbath that has one), with the Hebrew year it is read in.
struct TComingPortion {
    std::string portion;
    std::int32_t year = 0;
    bool operator==(const TComingPortion&) const = default;
};
TComingPortion ComingSabbathPortion(const CivilDate& date, bool israel);
CivilDate Today();

class TOpenReadingModel {
public:
    static constexpr std::int32_t kFirstYear = 5600, kLastYear = 6000;

    // The settings "Triennial", "Cycle" (the base cycle) and "Year" (its base year).
    struct Stored {
        bool triennial = false;
        int cycle = 0;
        std::int32_t year = 0;
        bool operator==(const Stored&) const = default;
    };

    // Starts in `currentYear` with the stored cycle counted on to it; nothing selected.
    TOpenReadingModel(const TCatalogue& catalogue, std::int32_t currentYear, Stored stored);

    // The values to keep in the settings when the dialog closes.
    Stored ToStore() const { return {triennial_, base_.cycle, base_.year}; }

    std::int32_t Year() const { return year_; }
    // A year outside 5600-6000 is brought inside it.
    void SetYear(std::int32_t year);
    bool Israel() const { return israel_; }
    void SetIsrael(bool israel);
    bool Triennial() const { return triennial_; }
    void SetTriennial(bool on);
    // The cycle shown for the year; setting it moves the base so the year has that cycle.
    int Cycle() const { return cycle_; }
    void SetCycle(int cycle);
    // "This year's cycle:" until the year or the triennial switch changes, then
    // "Cycle for 5786:".
    const std::string& CycleLabel() const { return cycleLabel_; }
    // "(2024/2025)": the civil years the Hebrew year spans.
    std::string NextYearLabel() const;

    // Whether a radio item can be chosen: a single portion in the years it is read alone, a
    // combined one in the years it is read combined; holidays always (the hidden one never).
    bool ItemEnabled(int group, int item) const;

    // Chooses an item of a group (clearing every other group's choice), moving within the
    // group while the portion is not read in the year.
    void Select(int group, int item);
    // Chooses by caption (letter case ignored); false when no group has it.
    bool SelectReading(std::string_view name);
    int Group() const { return group_; }
    int Item() const { return item_; }
    const std::string& ReadingName() const { return name_; }
    bool Holiday() const { return group_ == kHolidayGroup; }
    const SabbathKeyValues& Keys() const { return keys_; }
    const std::string& DateLine() const { return keys_.dateLine; }

    const TOptionLists& Lists() const { return lists_; }
    // Choosing a Torah option applies the Torah option rule (a weekday reading has no
    // Maftir or Haftarah; an afternoon reading no Maftir).
    void SelectTorahOption(int index);
    void SelectMaftir(int index);
    void SelectHaftarah(int index);
    void SelectOther(int index);
    bool MaftirEnabled() const { return maftirEnabled_; }
    bool HaftarahEnabled() const { return haftarahEnabled_; }
    bool OpenTorahEnabled() const { return openTorah_; }
    bool OpenHaftarahEnabled() const { return openHaftarah_; }
    bool OpenReadingEnabled() const { return openReading_; }
    bool OpenEnabled(TOpenKind kind) const;

    // The reading the main window opens for the button pressed.
    TOpenedReading Open(TOpenKind kind, bool forceWrapping = false) const;

private:
    void UpdateAvailability();
    void Refresh();
    void ApplyTorahRule();

    const TCatalogue& catalogue_;
    TPortionSchedule schedule_;
    std::int32_t year_;
    bool israel_ = false, triennial_ = false;
    std::bitset<kPortionCount> read_;  // the portions read in the year
    CycleBase base_;
    int cycle_ = 1;
    std::string cycleLabel_ = "This year's cycle:";
    int group_ = -1, item_ = -1;
    std::string name_;
    SabbathKeyValues keys_;
    TOptionLists lists_;
    bool maftirEnabled_ = false, haftarahEnabled_ = false;
    bool openTorah_ = false, openHaftarah_ = false, openReading_ = false;
};

}  // namespace lyrasta
