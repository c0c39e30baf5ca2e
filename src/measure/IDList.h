#pragma once
// The spot-identifier list behind the "Sunspot IDs" window: one entry per spot of the measurement
// list with the times of its first and last image, and the line the window shows for it.

#include "measure/MeasData.h"
#include "support/ShortStr.h"

#include <string>
#include <vector>

namespace solar {

struct IDEntry {
    ShortString<3> ID;
    double FirstTime = 0; // moment of the spot's first measured image (UT)
    double LastTime = 0;  // moment of its last measured image
};

// One entry per identifier, in list order (the list runs by identifier, then by time); an empty
// list gives no entries.
std::vector<IDEntry> BuildSpotEntries(MeasList &list);

// The identifier padded to 4 characters, then "MM-DD-YYYY hh:mm to MM-DD-YYYY hh:mm" (UT).
std::string SpotLine(const IDEntry &entry);

} // namespace solar
