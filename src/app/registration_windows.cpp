#include "app/main_window.h"
#include "app/windows.h"

namespace zova {

void registerRegistrationWindows(MainWindow& main)
{
    (void)main;
}

} // namespace zova
