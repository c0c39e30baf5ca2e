#include "measure/IDList.h"

#include "astro/DateTime.h"
#include "support/Translate.h"

namespace solar {

std::vector<IDEntry> BuildSpotEntries(MeasList &list) {
    std::vector<IDEntry> entries;
    list.Reset();
    while (!list.AtLast()) {
        const MeasRec *rec = list.NextAs<MeasRec>();
        if (rec == nullptr)
            break;
        if (entries.empty() || entries.back().ID.view() != rec->ID.view()) {
            IDEntry e;
            e.ID = rec->ID.view();
            e.FirstTime = rec->Time;
            e.LastTime = rec->Time;
            entries.push_back(e);
        } else {
            entries.back().LastTime = rec->Time;
        }
    }
    return entries;
}

namespace {
// "MM-DD-YYYY hh:mm" of a moment in Universal Time.
std::string dateAndMinute(double moment) {
    CalendarRec cal;
    SetMoment(cal, moment);
    std::string clock = ClockMinutesText(cal.universal, 0, ':', ' ');
    clock.pop_back(); // the blank given as closing separator
    return DateText(cal) + " " + clock;
}
} // namespace

std::string SpotLine(const IDEntry &entry) {
    std::string id = entry.ID.str();
    id.resize(4, ' ');
    return id + arg(translate("IDList", "%1 to %2"),
                    {dateAndMinute(entry.FirstTime), dateAndMinute(entry.LastTime)});
}

} // namespace solar
