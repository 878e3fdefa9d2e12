#include <QTime>

#include <cstdlib>

#include "application.h"
#include "clock.h"
#include "common_dialogs.h"
#include "window.h"

namespace velmora {

namespace {

ProgramTerminator& installedTerminator()
{
    static ProgramTerminator terminator;
    return terminator;
}

// The title that names a window in the report: its own, else that of the
// nearest window above it that has one.
std::string reportedTitle(const CeBaseWnd* window)
{
    for (; window; window = window->Parent()) {
        if (window->IsCreated()) {
            std::string title = window->Title();
            if (!title.empty())
                return title;
        }
    }
    return "No Window";
}

std::string timeOfDay()
{
    const std::time_t now = programClock().now();
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

bool g_reporting = false;

}  // namespace

std::string softwareErrorText(const CeBaseWnd* window)
{
    return reportedTitle(window) + " at " + timeOfDay() + " had an internal crash. Now closing program.";
}

void reportSoftwareError(const CeBaseWnd* window)
{
    // A second fault while the box is up ends the program without a second box.
    if (!g_reporting) {
        g_reporting = true;
        MessageBox(nullptr, softwareErrorText(window), "Software Error", mb::ok | mb::iconError);
        g_reporting = false;
    }
    if (const ProgramTerminator& terminator = installedTerminator())
        terminator(EXIT_FAILURE);
    else
        std::_Exit(EXIT_FAILURE);
}

void setProgramTerminator(ProgramTerminator terminator) { installedTerminator() = std::move(terminator); }

}  // namespace velmora
