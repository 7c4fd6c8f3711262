#pragma once

#include <QImage>

// The larger pictures: the CSV layout tables, the language flags and the maker's logo.
namespace PictureArt {

QImage CsvTimeDataPairs(); // csv_1.png: each series with its own time column
QImage CsvTimestampList(); // csv_2.png: one list of samples of mixed series
QImage CsvCommonTime(); // csv_3.png: series side by side on one shared time column
QImage FlagUnitedKingdom();
QImage FlagGermany();
QImage FlagFrance();
QImage FlagSpain();
QImage FlagItaly();
QImage FlagPoland();
QImage FlagBrazil(); // for Portuguese
QImage FlagRussia();
QImage FlagChina(); // for Chinese, simplified
QImage FlagJapan();
QImage OrvantaLogo();

}
