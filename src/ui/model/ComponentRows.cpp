#include "ui/model/ComponentRows.h"

#include "engine/NumberText.h"

namespace wendox {

std::string ReliabilityText(const ComponentRecord& component, char decimalSeparator) {
    return SingleToText(component.reliability, decimalSeparator);
}

std::string PeriodHoursText(const ComponentRecord& component, char decimalSeparator) {
    return SingleToText(component.periodHours, decimalSeparator);
}

std::vector<ComponentRow> ComponentRows(const Catalogue& catalogue, int system, char decimalSeparator) {
    std::vector<ComponentRow> rows;
    if (system < 1 || system > kSystemCount) return rows;
    const SystemRecord& s = catalogue.systems[system - 1];
    for (int c = 0; c < s.componentCount; ++c) {
        const ComponentRecord& component = s.components[c];
        const std::string reliability = ReliabilityText(component, decimalSeparator);
        const std::string hours = PeriodHoursText(component, decimalSeparator);
        const bool neverFails = reliability == "100";
        ComponentRow row;
        row.text.assign(1, ' ').append(component.name);
        row.lamp = component.failed ? Lamp::Red : neverFails ? Lamp::Green : Lamp::Yellow;
        row.reliability = reliability + "%";
        row.basedOn = hours + (hours == "1" ? " hour" : " hours") + " of flight";
        row.failed = component.failed ? "Yes" : neverFails ? "Never" : "No";
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SetSystemButtonCaption(const Catalogue& catalogue, int system) {
    if (system < 1 || system > kSystemCount) return "Set System &Reliabilities";
    return "Set" + std::string(catalogue.systems[system - 1].caption) + " &Reliabilities";
}

}  // namespace wendox
