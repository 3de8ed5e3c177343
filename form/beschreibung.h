#pragma once
// The drawing in words, for screen readers: what the last redraw shows.

#include "render/formular.h"

#include <string>

// German, decimal comma, one decimal: the mode, where the thick lens's F and
// F' lie, in the imaging mode where the object and its image stand (or that
// the image is virtual), and how many rays are drawn. Read after a redraw
// that finished; a surface too small for the drawing says so.
std::string grafik_beschreibung(const Formular& form);
