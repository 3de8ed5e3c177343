// The desktop's picture for the browser edition's comparison: opens the
// real main window on the offscreen platform with a client area of the given
// size, checks "Lichtstrahlen" and writes the retained picture as PNG.
//
//   desktop_bild BREITE HOEHE OUT.png

#include "ui/fenster.h"
#include "ui/frm_grafik.h"

#include <QApplication>
#include <QCheckBox>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "desktop_bild BREITE HOEHE OUT.png\n");
        return 2;
    }
    const QSize groesse(std::atoi(argv[1]), std::atoi(argv[2]));
    frm_grafik_Show();
    frm_grafik* w = frm_grafik_Instanz();
    if (w == nullptr || groesse.isEmpty()) {
        return 2;
    }
    // The window grows by whatever the client area still lacks.
    for (int versuch = 0; versuch < 3 && w->bereich()->size() != groesse; ++versuch) {
        w->resize(w->size() + groesse - w->bereich()->size());
        QApplication::processEvents();
    }
    if (w->bereich()->size() != groesse) {
        std::fprintf(stderr, "desktop_bild: client area stays %dx%d\n", w->bereich()->width(), w->bereich()->height());
        return 1;
    }
    w->chk_licht->setChecked(true);
    QApplication::processEvents();
    return w->bild().kopie().save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
