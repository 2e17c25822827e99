#include "payrolldoors.h"

namespace zeran::payrollscreen {

namespace {
std::vector<RegisteredDoor> &doors()
{
    static std::vector<RegisteredDoor> all;
    return all;
}
}  // namespace

void registerDoor(const QString &objectName, Door door, bool needsPerson)
{
    for (RegisteredDoor &d : doors()) {
        if (d.objectName == objectName) {
            d.door = std::move(door);
            d.needsPerson = needsPerson;
            return;
        }
    }
    doors().push_back({objectName, std::move(door), needsPerson});
}

void clearDoors()
{
    doors().clear();
}

const std::vector<RegisteredDoor> &registeredDoors()
{
    return doors();
}

}  // namespace zeran::payrollscreen
