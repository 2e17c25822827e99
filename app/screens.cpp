#include "screens.h"

#include "mainwindow.h"
#include "session.h"

void attachScreens(zeran::ui::MainWindow &window, zeran::Session &session)
{
    (void)window;
    (void)session;
}
