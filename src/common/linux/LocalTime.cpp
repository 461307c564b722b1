#include "common/LocalTime.h"

namespace tess {

std::tm ToLocalTime(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return local;
}

}  // namespace tess
