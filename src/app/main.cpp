#include "ApplicationIdentity.h"
#include "MainWindow.h"
#include "ScreenResolution.h"
#include "StartupLanguage.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    UseScreenResolution();
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":chart_line.png")));
    QApplication::setOrganizationName(ApplicationIdentity::OrganizationName);
    QApplication::setOrganizationDomain(ApplicationIdentity::OrganizationDomain);
    QApplication::setApplicationName(ApplicationIdentity::ApplicationName);

    ApplyStartupLanguage();

    MainWindow window;
    window.show();
    window.OpenFileFromCommandLine(argc, argv);
    return app.exec();
}
