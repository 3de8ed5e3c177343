#pragma once
// The program's icon: a lit light bulb, painted in code at 32x32 and 16x16.

#include <QIcon>
#include <QImage>

QImage symbol_bild(int kante);
QIcon fenster_symbol();
