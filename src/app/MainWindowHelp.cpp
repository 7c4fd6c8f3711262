#include "MainWindow.h"

#include "AboutDialog.h"
#include "CSelectLanguageDialog.h"

void MainWindow::SetLanguage()
{
    // The choice is only stored; the catalogues are installed once, at the next start.
    CSelectLanguageDialog dialog(this);
    dialog.exec();
}

void MainWindow::About()
{
    AboutDialog dialog(this);
    dialog.exec();
}
