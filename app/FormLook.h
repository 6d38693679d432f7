#pragma once

#include "SongFace.h"

class QWidget;

// Gives every widget under `root` the font and text colour its form asks for through the
// dynamic properties fontPx (pixel size of the Song face), fontBold, fontStretch (percent)
// and textColor. Plain fonts and palettes keep start-up fast; a style sheet per widget would
// cost a polish pass each.
void applyFormLook(QWidget* root);

class QComboBox;

// Draws `box` flat and without a frame: its background and the arrow, no bevel. Turning the
// frame off alone leaves the style's raised button.
void makeFlat(QComboBox* box);
