// Writes the window icon as the PNG files the desktop entry refers to.
#include "ui/symbol.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    for (int kante : {16, 32}) {
        const QString ordner = QString::fromLocal8Bit(argv[1]) + "/" + QString::number(kante);
        if (!QDir().mkpath(ordner) || !symbol_bild(kante).save(ordner + "/vandrel.png")) {
            return 1;
        }
    }
    return 0;
}
