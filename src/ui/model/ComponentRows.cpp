#include "ui/model/ComponentRows.h"

#include "engine/NumberText.h"

namespace wendox {

std::string ReliabilityText(const ComponentRecord& component, char decimalSeparator) {
    return SingleToText(component.reliability, decimalSeparator);
}

std::string PeriodHoursText(const ComponentRecord& component, char decimalSeparator) {
    return SingleToText(component.periodHours, decimalSeparator);
}

void ComponentRows(const Catalogue& catalogue, int system, char decimalSeparator, std::vector<ComponentRow>& rows) {
    const bool known = system >= 1 && system <= kSystemCount;
    const SystemRecord* s = known ? &catalogue.systems[system - 1] : nullptr;
    rows.resize(known ? s->componentCount : 0);
    for (std::size_t c = 0; c < rows.size(); ++c) {
        const ComponentRecord& component = s->components[c];
        const std::string reliability = ReliabilityText(component, decimalSeparator);
        const std::string hours = PeriodHoursText(component, decimalSeparator);
        const bool neverFails = reliability == "100";
        ComponentRow& row = rows[c];
        row.text.assign(1, ' ').append(component.name);
        row.lamp = component.failed ? Lamp::Red : neverFails ? Lamp::Green : Lamp::Yellow;
        row.reliability.assign(reliability).append("%");
        row.basedOn.assign(hours).append(hours == "1" ? " hour" : " hours").append(" of flight");
        row.failed = component.failed ? "Yes" : neverFails ? "Never" : "No";
    }
}

ListUpdate ShownComponentRows::Take(const Catalogue& catalogue, int system, char decimalSeparator) {
    rows_.swap(before_);
    ComponentRows(catalogue, system, decimalSeparator, rows_);
    const bool sameSystem = system == system_;  // and so as many rows
    system_ = system;
    if (!sameSystem) return ListUpdate::Refill;
    return rows_ == before_ ? ListUpdate::None : ListUpdate::Rows;
}

std::string SetSystemButtonCaption(const Catalogue& catalogue, int system) {
    if (system < 1 || system > kSystemCount) return "Set System &Reliabilities";
    return "Set" + std::string(catalogue.systems[system - 1].caption) + " &Reliabilities";
}

}  // namespace wendox
