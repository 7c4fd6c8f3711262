#pragma once

class QLabel;

// Where the last words of a label's rich text end at the label's width; a tip's trailing
// line-break paragraph is only spacing and may be cut.
double TextBottom(const QLabel* label);
