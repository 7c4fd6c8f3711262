#pragma once

#include <QImage>

// The larger pictures: the CSV layout tables, the language flags and the maker's logo. Each is
// drawn at its size on screen times scale, for screens that show two pixels per point (@2x).
namespace PictureArt {

QImage CsvTimeDataPairs(int scale = 1); // csv_1.png: each series with its own time column
QImage CsvTimestampList(int scale = 1); // csv_2.png: one list of samples of mixed series
QImage CsvCommonTime(int scale = 1); // csv_3.png: series side by side on one shared time column
QImage FlagUnitedKingdom(int scale = 1);
QImage FlagGermany(int scale = 1);
QImage FlagFrance(int scale = 1);
QImage FlagSpain(int scale = 1);
QImage FlagItaly(int scale = 1);
QImage FlagPoland(int scale = 1);
QImage FlagBrazil(int scale = 1); // for Portuguese
QImage FlagRussia(int scale = 1);
QImage FlagChina(int scale = 1); // for Chinese, simplified
QImage FlagJapan(int scale = 1);
QImage OrvantaLogo(int scale = 1);

}
