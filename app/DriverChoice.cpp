#include "DriverChoice.h"

#include "D2xxDriver.h"
#include "SerialDriver.h"

Q_LOGGING_CATEGORY(lcDriver, "karvelostrum.driver")

std::unique_ptr<IDeviceDriver> ChooseConsoleDriver(const std::vector<std::string>& d2xxCandidates) {
    std::string why;
    std::unique_ptr<IDeviceDriver> d2xx =
        d2xxCandidates.empty() ? D2xxDriver::Load(&why) : D2xxDriver::LoadFrom(d2xxCandidates, &why);
    if (d2xx) {
        qCDebug(lcDriver) << "using the D2XX library";
        return d2xx;
    }
    // The operator is not bothered with this: the serial driver serves the same unit.
    qCDebug(lcDriver).noquote() << "D2XX library not used:" << QString::fromStdString(why)
                                << "- using the serial port driver";
    return std::make_unique<SerialDriver>();
}
