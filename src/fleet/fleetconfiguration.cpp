#include "fleet/fleetconfiguration.h"

#include "rules/settingsrules.h"

namespace zmp {

Records FleetConfiguration::records(const Records& base, const FleetList& list, std::size_t row,
                                    const FleetDirectoryOptions& options)
{
    Records records = base;
    const FleetRow& radio = list.rows[row];
    records.userMmsi = acceptedUserMmsi(radio.userMmsi).value_or(radio.userMmsi);
    records.atisCode = radio.atisCode;
    for (std::size_t group = 0; group < records.groups.size(); ++group)
        if (radio.statusNames[group]) records.groups[group].StatusName = *radio.statusNames[group];
    FleetDirectory::apply(records, list, row, options);
    return records;
}

} // namespace zmp
