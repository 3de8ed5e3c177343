// Writes what the browser edition takes over from the desktop as it is: the
// window icon (also at the sizes an installed page needs, and once with room
// around it for the shapes a phone cuts icons to), the web app manifest with
// the window's title, and the info page as the desktop's info window lays it
// out (texts, places, fonts, tab order) with its four formula pictures from
// the program's own typesetter, once in each language of the catalogue: the
// German pictures are files, another language's are the same files where
// they look the same and are written into info.js where they do not.
//
//   seite_export FOLDER    symbol_16.png, symbol_32.png, symbol_192.png, symbol_512.png,
//                          symbol_maskiert_512.png, vandrel.webmanifest, formel_1..4.png, info.js

#include "form/entwurf.h"
#include "lens/sprache.h"
#include "ui/frm_info.h"
#include "ui/symbol.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

namespace {

QJsonObject lage(const QWidget* w)
{
    const QRect r = w->geometry();
    return {{"x", r.x()}, {"y", r.y()}, {"w", r.width()}, {"h", r.height()}};
}

QJsonObject schrift(const QWidget* w)
{
    const QFontInfo f(w->font());
    return {{"px", f.pixelSize()}, {"fett", f.bold()}};
}

// The info window in the language in use, as the page lays it out. The
// German one saves its pictures into the folder; another language's picture
// that looks the same refers to that file, one that differs is embedded.
// Nothing where a picture could not be saved.
std::optional<QJsonObject> info_seite(const QString& ordner, bool deutsch)
{
    frm_info info;
    const Bildfeld* const bilder[] = {info.Picture1, info.Picture2, info.Picture3, info.Picture4};
    // Picture1 to Picture4, or 0.
    const auto nummer_von = [&bilder](const QWidget* w) {
        const auto* p = std::find(std::begin(bilder), std::end(bilder), w);
        return p == std::end(bilder) ? 0 : static_cast<int>(p - std::begin(bilder)) + 1;
    };
    QJsonArray elemente;
    for (QObject* kind : info.children()) {
        auto* w = qobject_cast<QWidget*>(kind);
        if (w == nullptr) {
            continue;
        }
        QJsonObject e = lage(w);
        e.insert("schrift", schrift(w));
        if (!w->accessibleName().isEmpty()) {
            e.insert("zugangName", w->accessibleName());
        }
        if (!w->accessibleDescription().isEmpty()) {
            e.insert("zugangBeschreibung", w->accessibleDescription());
        }
        if (auto* knopf = qobject_cast<QPushButton*>(w)) {
            e.insert("art", "knopf");
            e.insert("text", knopf->text());
        } else if (auto* bild = qobject_cast<Bildfeld*>(w)) {
            const int nummer = nummer_von(bild);
            const QString datei = QStringLiteral("formel_%1.png").arg(nummer);
            QString quelle = datei;
            const auto argb = [](const QImage& b) { return b.convertToFormat(QImage::Format_ARGB32); };
            if (deutsch) {
                if (!bild->pixmap().save(ordner + "/" + datei)) {
                    return std::nullopt;
                }
            } else if (argb(bild->pixmap().toImage()) != argb(QImage(ordner + "/" + datei))) {
                QByteArray png;
                QBuffer puffer(&png);
                if (!puffer.open(QIODevice::WriteOnly) || !bild->pixmap().save(&puffer, "PNG")) {
                    return std::nullopt;
                }
                quelle = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
            }
            e.insert("art", "bild");
            e.insert("datei", quelle);
            e.insert("name", QStringLiteral("Picture%1").arg(nummer));
            e.insert("rahmen", bild->frameWidth());
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            e.insert("art", "text");
            e.insert("text", label->text());
            e.insert("umbruch", label->wordWrap());
        } else {
            continue;
        }
        elemente.append(e);
    }

    // The focus order as the window has it, from the button on.
    QJsonArray tab;
    QWidget* w = info.cmd_ok;
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            tab.append(w == info.cmd_ok ? QStringLiteral("cmd_ok") : QStringLiteral("Picture%1").arg(nummer_von(w)));
        }
        w = w->nextInFocusChain();
    } while (w != info.cmd_ok && w != nullptr);

    return QJsonObject{{"titel", info.windowTitle()},
                       {"breite", info.width()},
                       {"hoehe", info.height()},
                       {"schrift", schrift(&info)},
                       {"elemente", elemente},
                       {"tab", tab}};
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "seite_export FOLDER\n");
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(ordner)) {
        return 1;
    }
    for (int kante : {16, 32, 192, 512}) {
        if (!symbol_bild(kante).save(ordner + QStringLiteral("/symbol_%1.png").arg(kante))) {
            return 1;
        }
    }
    // A maskable icon is cut to a circle or a rounded square: the symbol
    // stays within the middle 60 %, on the page's white.
    {
        QImage maskiert(512, 512, QImage::Format_ARGB32_Premultiplied);
        maskiert.fill(Qt::white);
        QPainter p(&maskiert);
        p.drawImage(QPoint(102, 102), symbol_bild(308));
        p.end();
        if (!maskiert.save(ordner + QStringLiteral("/symbol_maskiert_512.png"))) {
            return 1;
        }
    }
    {
        const auto symbol = [](const char* datei, int kante, const char* zweck) {
            return QJsonObject{{"src", QLatin1String(datei)},
                               {"sizes", QStringLiteral("%1x%1").arg(kante)},
                               {"type", "image/png"},
                               {"purpose", QLatin1String(zweck)}};
        };
        const QJsonObject manifest{
            {"lang", "de"},
            {"name", QString::fromUtf8(entwurf::titel)},
            {"short_name", "Vandrel"},
            {"description", QStringLiteral("Lichtbrechung an einer dicken Linse mit zwei Kugelfl\u00e4chen")},
            {"start_url", "./"},
            {"scope", "./"},
            {"display", "standalone"},
            {"theme_color", "#efefef"},
            {"background_color", "#ffffff"},
            {"icons", QJsonArray{symbol("symbol_192.png", 192, "any"), symbol("symbol_512.png", 512, "any"),
                                 symbol("symbol_maskiert_512.png", 512, "maskable")}}};
        QFile datei(ordner + QStringLiteral("/vandrel.webmanifest"));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(QJsonDocument(manifest).toJson()) < 0) {
            return 1;
        }
    }

    // German first: the other languages' pictures are compared with its files.
    QJsonObject seiten;
    for (int i = 0; i < sprache::katalog::anzahl; ++i) {
        const char* code = sprache::katalog::sprachen[i].code;
        sprache::waehlen(code);
        const std::optional<QJsonObject> seite = info_seite(ordner, i == 0);
        if (!seite) {
            return 1;
        }
        seiten.insert(QLatin1String(code), *seite);
    }
    sprache::waehlen(sprache::katalog::sprachen[0].code);
    QFile js(ordner + QStringLiteral("/info.js"));
    if (!js.open(QIODevice::WriteOnly)) {
        return 1;
    }
    // The page shows the one of its language (sprache.js), German until it has chosen.
    js.write("// Made by seite_export from the desktop's info window, one a language.\nvar vandrelInfos = ");
    js.write(QJsonDocument(seiten).toJson(QJsonDocument::Compact));
    js.write(";\nvar vandrelInfo = vandrelInfos.de;\n");
    return js.error() == QFileDevice::NoError ? 0 : 1;
}
