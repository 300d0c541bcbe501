#pragma once

class QApplication;

namespace zova {

// Builds the program's objects, runs the start-up sequence and the event loop.
// Path.ini is taken from "--ini <file>" or from the program's own folder.
int runApplication(QApplication& app);

} // namespace zova
