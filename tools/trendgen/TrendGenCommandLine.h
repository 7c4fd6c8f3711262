#pragma once

#include "TrendSetGenerator.h"

#include <QCommandLineParser>
#include <QStringList>

// The command line of curvescope-trendgen, parsed into generator options. Kept apart from main()
// so the option handling is tested in-process like the generator itself.
class TrendGenCommandLine {
public:
    enum Result { Run, ShowHelp, Failed };

    TrendGenCommandLine();

    // arguments include the program name first, as QCoreApplication::arguments() gives them.
    Result Parse(const QStringList& arguments);

    const TrendSetGenerator::Options& GetOptions() const { return m_options; }
    QString GetError() const { return m_error; }
    QString GetHelpText() const { return m_parser.helpText(); }

private:
    bool Fail(const QString& error);

    QCommandLineParser m_parser;
    TrendSetGenerator::Options m_options;
    QString m_error;
};
