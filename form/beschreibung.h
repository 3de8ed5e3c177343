#pragma once
// The drawing in words, for screen readers: what the last redraw shows.

#include <string>

// In the language in use, with its decimal separator, one decimal, from
// what the last finished redraw measured (render/messung.h): the mode,
// where the thick lens's F and F' lie, in the imaging mode where the object
// and its image stand and whether the image is virtual, and how many rays
// were traced. A surface too small
// for the drawing says so, and so does a redraw that failed on the way.
std::string grafik_beschreibung();
