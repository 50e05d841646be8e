#include "image/dscmirror.h"

#include "image/dscsettingstable.h"

namespace zmp {

void settingsFromDscFlags(Records& records)
{
    for (const DscSettingRow& row : dscSettings())
        if (row.mirror >= 0)
            setDscValue(row, records, records.dscFlags[static_cast<std::size_t>(row.mirror)]);
}

void dscFlagsFromSettings(Records& records)
{
    for (const DscSettingRow& row : dscSettings())
        if (row.mirror >= 0) records.dscFlags[static_cast<std::size_t>(row.mirror)] = dscValue(row, records);
}

} // namespace zmp
