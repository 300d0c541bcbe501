#pragma once

#include <QString>

namespace zova {

class MainWindow;

// Connects every window that exists to its menu entry or button, and the exit steps.
void registerWindows(MainWindow& main);

// The registration windows: holders (with dependents and notes), collectors, sellers, plans.
void registerRegistrationWindows(MainWindow& main);

// The login at start-up; false when the operator cancelled (the program ends).
bool showStartupLogin(MainWindow& main, const QString& lastAccess, const QString& hostLabel);

} // namespace zova
