#pragma once

// The two shapes of a CSV export; the numbers are what the save dialog hands back.
enum CsvLayout { TimeDataPairs = 0, TimestampList = 1 };
