// The main-window half of the shared window instances.
#include "ui/fenster.h"

#include "ui/frm_grafik.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>

namespace {
QPointer<frm_grafik> hauptfenster;
}

QFont formular_schrift()
{
    QFont schrift = QApplication::font();
    schrift.setPointSizeF(8.25);
    schrift.setBold(false);
    schrift.setItalic(false);
    return schrift;
}

frm_grafik* frm_grafik_Instanz()
{
    // A window closed through its frame is gone for the program even while
    // its deletion is still pending.
    if (hauptfenster && !hauptfenster->geschlossen()) {
        return hauptfenster.data();
    }
    return nullptr;
}

void frm_grafik_Show()
{
    if (frm_grafik* offen = frm_grafik_Instanz()) {
        offen->show();
        offen->raise();
        offen->activateWindow();
        return;
    }
    auto* neu = new frm_grafik;  // Form_Load runs in the constructor
    hauptfenster = neu;
    neu->show();
    neu->activateWindow();
    neu->txt_X1_0->setFocus(Qt::OtherFocusReason);
}

void End()
{
    if (frm_info_Instanz() != nullptr) {
        frm_info_Unload();
    }
    if (frm_grafik* offen = frm_grafik_Instanz()) {
        offen->close();
    }
    QCoreApplication::quit();
}

void zwischenablage_uebergeben()
{
    QClipboard* ablage = QGuiApplication::clipboard();
    if (ablage == nullptr || !ablage->ownsClipboard()) {
        return;
    }
    const QImage bild = ablage->image();
    if (bild.isNull()) {
        return;
    }
    // A bitmap file is written in a few milliseconds, where PNG or the whole
    // list of image formats would keep the program alive for a second or more
    // after its windows have gone.
    QByteArray bmp;
    QBuffer puffer(&bmp);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "BMP")) {
        return;
    }
    auto* daten = new QMimeData;
    daten->setData(QStringLiteral("image/bmp"), bmp);
    ablage->setMimeData(daten);
}
