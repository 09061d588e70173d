// karvelostrum: the console for a real timer unit.
#include "ConsoleApp.h"
#include "DriverChoice.h"

#include "Clock.h"

int main(int argc, char** argv) {
    CConsoleApp app(argc, argv);
    SteadyClock clock;
    const auto driver = ChooseConsoleDriver();
    app.InitInstance(*driver, clock);
    return 0;
}
