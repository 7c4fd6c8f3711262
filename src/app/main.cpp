#include "MainWindow.h"
#include "StartupLanguage.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":chart_line.png")));
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setOrganizationDomain(QStringLiteral("orvanta.example"));
    QApplication::setApplicationName(QStringLiteral("CurveScope"));

    ApplyStartupLanguage();

    MainWindow window;
    window.show();
    window.OpenFileFromCommandLine(argc, argv);
    return app.exec();
}
