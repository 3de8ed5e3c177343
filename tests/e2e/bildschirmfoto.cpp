// Screenshot helper for the end-to-end tests, so that the shell scripts can
// look at pixels without further tools.
//
//   bildschirmfoto OUT.png                        whole X screen ($DISPLAY) as PNG
//   bildschirmfoto --ausschnitt IN.png OUT.png X Y W H
//                                                 saves that rectangle of IN as OUT
//   bildschirmfoto --pixel IN.png X Y             prints the pixel as RRGGBB
//   bildschirmfoto --zaehle IN.png RRGGBB X Y W H prints "count minx miny maxx maxy"
//                                                 of the pixels of that colour in the
//                                                 rectangle (-1 for the extremes when
//                                                 there are none)
//   bildschirmfoto --zeile IN.png RRGGBB Y        prints the x of every pixel of that
//                                                 colour in row Y, blank-separated
//   bildschirmfoto --linien IN.png RRGGBB X Y W H MIN
//                                                 prints the y of every row of the
//                                                 rectangle that holds at least MIN
//                                                 pixels of that colour
//   bildschirmfoto --palette IN.png OUT.png       saves IN as a palette PNG when it has
//                                                 at most 256 colours (same pixels, a
//                                                 smaller file), otherwise as it is
//   bildschirmfoto --ablage                       prints the text on the X clipboard

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int fehler(const char* text)
{
    std::fprintf(stderr, "bildschirmfoto: %s\n", text);
    return 2;
}

bool zahl(const char* text, int& wert)
{
    char* ende = nullptr;
    const long v = std::strtol(text, &ende, 10);
    if (ende == text || *ende != '\0') {
        return false;
    }
    wert = static_cast<int>(v);
    return true;
}

bool farbe(const char* text, QRgb& wert)
{
    char* ende = nullptr;
    const unsigned long v = std::strtoul(text, &ende, 16);
    if (std::strlen(text) != 6 || *ende != '\0') {
        return false;
    }
    wert = 0xFF000000u | static_cast<QRgb>(v);
    return true;
}

QImage laden(const char* datei)
{
    return QImage(QString::fromLocal8Bit(datei)).convertToFormat(QImage::Format_RGB32);
}

int aufnehmen(int argc, char** argv)
{
    // The X server under test, whatever the caller's environment prefers.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen* schirm = QGuiApplication::primaryScreen();
    if (schirm == nullptr) {
        return fehler("no screen");
    }
    const QPixmap bild = schirm->grabWindow(0);
    if (bild.isNull() || !bild.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        return fehler("could not grab or save the screen");
    }
    return 0;
}

// What a box or a window put on the clipboard, for a script to read.
int ablage_lesen(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    std::fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
    return 0;
}

// The picture with a colour table of its own colours, or a null image
// when it has more than 256.
QImage mit_palette(const QImage& bild)
{
    QHash<QRgb, int> index;
    QList<QRgb> tabelle;
    QImage aus(bild.size(), QImage::Format_Indexed8);
    for (int y = 0; y < bild.height(); ++y) {
        uchar* zeile = aus.scanLine(y);
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            auto it = index.constFind(p);
            if (it == index.constEnd()) {
                if (tabelle.size() == 256) {
                    return {};
                }
                it = index.insert(p, static_cast<int>(tabelle.size()));
                tabelle.append(p);
            }
            zeile[x] = static_cast<uchar>(*it);
        }
    }
    aus.setColorTable(tabelle);
    return aus;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && argv[1][0] != '-') {
        return aufnehmen(argc, argv);
    }
    if (argc == 2 && std::strcmp(argv[1], "--ablage") == 0) {
        return ablage_lesen(argc, argv);
    }
    if (argc == 8 && std::strcmp(argv[1], "--ausschnitt") == 0) {
        const QImage bild = laden(argv[2]);
        int x = 0, y = 0, w = 0, h = 0;
        if (bild.isNull() || !zahl(argv[4], x) || !zahl(argv[5], y) || !zahl(argv[6], w) || !zahl(argv[7], h) ||
            !bild.copy(x, y, w, h).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
            return fehler("--ausschnitt: bad image or rectangle");
        }
        return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "--pixel") == 0) {
        const QImage bild = laden(argv[2]);
        int x = 0, y = 0;
        if (bild.isNull() || !zahl(argv[3], x) || !zahl(argv[4], y) || !bild.valid(x, y)) {
            return fehler("--pixel: bad image or position");
        }
        std::printf("%06X\n", bild.pixel(x, y) & 0xFFFFFFu);
        return 0;
    }
    if (argc == 8 && std::strcmp(argv[1], "--zaehle") == 0) {
        const QImage bild = laden(argv[2]);
        QRgb gesucht = 0;
        int x0 = 0, y0 = 0, w = 0, h = 0;
        if (bild.isNull() || !farbe(argv[3], gesucht) || !zahl(argv[4], x0) || !zahl(argv[5], y0)
            || !zahl(argv[6], w) || !zahl(argv[7], h)) {
            return fehler("--zaehle: bad arguments");
        }
        const QRect bereich = QRect(x0, y0, w, h).intersected(bild.rect());
        long anzahl = 0;
        int minx = -1, miny = -1, maxx = -1, maxy = -1;
        for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
            for (int x = bereich.left(); x <= bereich.right(); ++x) {
                if (bild.pixel(x, y) != gesucht) {
                    continue;
                }
                if (anzahl == 0) {
                    minx = maxx = x;
                    miny = maxy = y;
                }
                ++anzahl;
                minx = std::min(minx, x);
                maxx = std::max(maxx, x);
                miny = std::min(miny, y);
                maxy = std::max(maxy, y);
            }
        }
        std::printf("%ld %d %d %d %d\n", anzahl, minx, miny, maxx, maxy);
        return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "--zeile") == 0) {
        const QImage bild = laden(argv[2]);
        QRgb gesucht = 0;
        int y = 0;
        if (bild.isNull() || !farbe(argv[3], gesucht) || !zahl(argv[4], y) || y < 0 || y >= bild.height()) {
            return fehler("--zeile: bad arguments");
        }
        std::string aus;
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) == gesucht) {
                aus += (aus.empty() ? "" : " ") + std::to_string(x);
            }
        }
        std::printf("%s\n", aus.c_str());
        return 0;
    }
    if (argc == 9 && std::strcmp(argv[1], "--linien") == 0) {
        const QImage bild = laden(argv[2]);
        QRgb gesucht = 0;
        int x0 = 0, y0 = 0, w = 0, h = 0, mindestens = 0;
        if (bild.isNull() || !farbe(argv[3], gesucht) || !zahl(argv[4], x0) || !zahl(argv[5], y0)
            || !zahl(argv[6], w) || !zahl(argv[7], h) || !zahl(argv[8], mindestens)) {
            return fehler("--linien: bad arguments");
        }
        const QRect bereich = QRect(x0, y0, w, h).intersected(bild.rect());
        std::string aus;
        for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
            int anzahl = 0;
            for (int x = bereich.left(); x <= bereich.right(); ++x) {
                anzahl += bild.pixel(x, y) == gesucht;
            }
            if (anzahl >= mindestens) {
                aus += (aus.empty() ? "" : " ") + std::to_string(y);
            }
        }
        std::printf("%s\n", aus.c_str());
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--palette") == 0) {
        const QImage bild = laden(argv[2]);
        const QImage klein = bild.isNull() ? QImage() : mit_palette(bild);
        if (bild.isNull() || !(klein.isNull() ? bild : klein).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
            return fehler("--palette: bad image or file");
        }
        return 0;
    }
    return fehler("usage: bildschirmfoto OUT.png | --pixel IN.png X Y | "
                  "--zaehle IN.png RRGGBB X Y W H | --zeile IN.png RRGGBB Y | "
                  "--linien IN.png RRGGBB X Y W H MIN | --palette IN.png OUT.png | --ablage");
}
