#include "app/application.h"

#include <QApplication>

namespace zova {

int runApplication(QApplication& app)
{
    (void)app;
    return 0;
}

} // namespace zova
