// What the main window's components list shows for one system: a row per
// component with its lamp and texts, and the caption of the button that sets
// the system's reliabilities.
#pragma once

#include <string>
#include <vector>

#include "engine/Catalogue.h"

namespace wendox {

// Image indexes of the three lamps, counted from 1 as in the image list.
enum class Lamp { Green = 1, Red = 2, Yellow = 3 };

struct ComponentRow {
    std::string text;         // " Airspeed"
    Lamp lamp;                // red: failed; yellow: may fail; green: never fails
    std::string reliability;  // "99.5%"
    std::string basedOn;      // "1 hour of flight", "0.5 hours of flight"
    std::string failed;       // "Yes", "No" or "Never"
};

// The texts a component's reliability and hours are held as.
std::string ReliabilityText(const ComponentRecord& component, char decimalSeparator);
std::string PeriodHoursText(const ComponentRecord& component, char decimalSeparator);

// The rows of system `system` (counted from 1), in catalogue order.
std::vector<ComponentRow> ComponentRows(const Catalogue& catalogue, int system, char decimalSeparator);

// "Set" + the system's list entry + " &Reliabilities".
std::string SetSystemButtonCaption(const Catalogue& catalogue, int system);

}  // namespace wendox
