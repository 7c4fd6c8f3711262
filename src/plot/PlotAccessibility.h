#pragma once

// Names and states of the plot's parts for screen readers: the canvas is named after the plot's
// title, each axis after its title, and each legend entry after its curve's title, as a check
// box that is checked while its curve is shown. Read from the titles whenever asked, so they
// follow the interface language and every later change of a title.
void InstallPlotAccessibility();
