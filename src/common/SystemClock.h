#pragma once

#include "common/Clock.h"

namespace tess {

// The machine's local time.
class SystemClock : public Clock {
public:
    LocalDateTime Now() const override;
};

}  // namespace tess
