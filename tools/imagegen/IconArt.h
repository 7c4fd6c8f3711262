#pragma once

class QPainter;

// The tool bar and application icons, drawn on a 32 x 32 unit canvas. `px` is the size of one
// device pixel in canvas units (32 / icon size), so outlines stay one real pixel wide when an
// icon is rendered below 32 pixels and scale with the picture above it.
namespace IconArt {

using DrawFunction = void (*)(QPainter& painter, double px);

void ChartLine(QPainter& painter, double px);
void FolderDocument(QPainter& painter, double px);
void FolderClosed(QPainter& painter, double px);
void FolderInto(QPainter& painter, double px);
void DocumentInto(QPainter& painter, double px);
void DocumentChart(QPainter& painter, double px);
void CopyChart(QPainter& painter, double px);
void Exit(QPainter& painter, double px);
void Globe(QPainter& painter, double px);
void Information(QPainter& painter, double px);
void Light(QPainter& painter, double px);

}
