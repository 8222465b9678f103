// What the main window's components list shows for one system: a row per
// component with its lamp and texts, and the caption of the button that sets
// the system's reliabilities; and what a refresh must change in the list.
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

    bool operator==(const ComponentRow&) const = default;
};

// The texts a component's reliability and hours are held as.
std::string ReliabilityText(const ComponentRecord& component, char decimalSeparator);
std::string PeriodHoursText(const ComponentRecord& component, char decimalSeparator);

// The rows of system `system` (counted from 1), in catalogue order, written
// over `rows` (their strings' room is used again).
void ComponentRows(const Catalogue& catalogue, int system, char decimalSeparator, std::vector<ComponentRow>& rows);

// What a refresh does to the list: nothing, rewrite the rows that changed,
// or refill it.
enum class ListUpdate { None, Rows, Refill };

// The rows the components list shows. A refresh computes them again and
// touches the list only where they changed, so a failure in another system,
// or none at all, neither redraws nor allocates.
class ShownComponentRows {
public:
    // Takes the rows of `system` as they are now as the ones shown: Refill
    // when the list showed another system (or nothing yet), Rows when rows
    // of the same system changed (Changed names them), else None.
    ListUpdate Take(const Catalogue& catalogue, int system, char decimalSeparator);
    // After Take gave Rows: row (from 0) differs from the one shown before.
    bool Changed(std::size_t row) const { return rows_[row] != before_[row]; }
    const std::vector<ComponentRow>& Rows() const { return rows_; }
    // The list was emptied or filled by other means: the next Take refills.
    void Forget() { system_ = 0; }

private:
    int system_ = 0;
    std::vector<ComponentRow> rows_, before_;
};

// "Set" + the system's list entry + " &Reliabilities".
std::string SetSystemButtonCaption(const Catalogue& catalogue, int system);

}  // namespace wendox
