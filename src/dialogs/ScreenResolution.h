#pragma once

#include <QPixmap>
#include <QString>

// Sharp at any display scaling. Laptops run at 125 to 200 %: without high-DPI scaling, fonts
// follow the system's setting while fixed geometry and plain images do not.

// Switches the toolkit's high-DPI scaling and high-resolution pixmaps on, with the system's
// scale factor as it is (150 % stays 150 %, not rounded to 200 %). The toolkit reads these
// only before the application object exists: call it first in main.
void UseScreenResolution();

// The picture in a file at the screen's pixel density: on screens with more than one pixel per
// point its "name@2x" variant beside it, where there is one, shown at the size of the plain
// picture. A missing or unreadable file gives a null pixmap.
QPixmap ScreenPixmap(const QString& path);
