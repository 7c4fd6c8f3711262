#include "TrendGenCommandLine.h"
#include "TrendSetGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

// curvescope-trendgen: writes a synthetic trend set into a folder.
// The demo set is made with: curvescope-trendgen --demo samples/demo (samples/make-demo.sh).
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("curvescope-trendgen"));

    TrendGenCommandLine commandLine;
    switch (commandLine.Parse(QCoreApplication::arguments())) {
    case TrendGenCommandLine::ShowHelp:
        std::fputs(qPrintable(commandLine.GetHelpText()), stdout);
        return 0;
    case TrendGenCommandLine::Failed:
        std::fprintf(stderr, "curvescope-trendgen: %s\n", qPrintable(commandLine.GetError()));
        std::fputs(qPrintable(commandLine.GetHelpText()), stderr);
        return 2;
    case TrendGenCommandLine::Run:
        break;
    }

    const TrendSetGenerator::Options& options = commandLine.GetOptions();
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!TrendSetGenerator::WriteSet(options, &error)) {
        std::fprintf(stderr, "curvescope-trendgen: %s\n", qPrintable(error));
        return 1;
    }
    qint64 lines = 0;
    for (RecordingKind kind : options.kinds)
        lines += TrendSetGenerator::LineCount(kind, options);
    std::printf("%s: configuration and %d data files, %lld lines, %lld ms\n",
        qPrintable(QDir::toNativeSeparators(options.outputFolder)), int(options.kinds.size()),
        static_cast<long long>(lines), static_cast<long long>(timer.elapsed()));
    return 0;
}
