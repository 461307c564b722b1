#pragma once

#include "engine/PowerStatus.h"

struct _SYSTEM_POWER_STATUS;

namespace tess {

// The power status as GetSystemPowerStatus reports it.
class Win32PowerSource : public PowerSource {
public:
    // The query that fills the system's record; tests put a failing one in its place.
    using Query = int(__stdcall*)(_SYSTEM_POWER_STATUS*);

    Win32PowerSource();
    explicit Win32PowerSource(Query query) : query_(query) {}

    // Zero-fills the system's record, queries it without looking at the result
    // and copies it field by field, so a failed query gives an all-zero record.
    void GetSystemPowerStatus(PowerStatus& status) override;

private:
    Query query_;
};

}  // namespace tess
