#include "ApplicationIdentity.h"
#include "MainWindow.h"
#include "StartupLanguage.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // Laptops run at 125 to 200 % display scaling: without these, fonts follow the system's
    // setting while fixed geometry and 1x images do not. The toolkit reads them only before the
    // application object exists. PassThrough keeps 150 % at 150 % instead of rounding to 200 %.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

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
