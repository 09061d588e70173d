#pragma once
// Which driver the real console talks through: the vendor's D2XX library when it loads,
// otherwise the operating system's own serial driver.

#include "DeviceDriver.h"

#include <QLoggingCategory>

#include <memory>
#include <string>
#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcDriver)

// With no candidates, the library is looked for where the platform keeps it.
std::unique_ptr<IDeviceDriver> ChooseConsoleDriver(const std::vector<std::string>& d2xxCandidates = {});
