#include "ui/bild_export.h"

#include "form/entwurf.h"
#include "form/grafik_kern.h"
#include "form/messwerte.h"
#include "render/messung.h"
#include "ui/bild_flaeche.h"
#include "ui/fenster.h"
#include "ui/uebersetzt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The main window without widgets: the boxes are texts, the switches flags.
// Nobody can close a message box here, so the first one is kept and the
// export ends with it.
class Bildansicht : public Ansicht {
public:
    explicit Bildansicht(Rasterbild& bild) : bild(bild)
    {
        for (int i = 0; i < box_anzahl; ++i) {
            texte_[i] = entwurf::box(static_cast<Box>(i)).text;
        }
    }

    Zeichenflaeche& flaeche() override { return bild; }
    Flag opt_fokus_Value() const override { return abbildung ? False : True; }
    Flag opt_abbildung_Value() const override { return abbildung ? True : False; }
    int chk_licht_Value() const override { return strahlen ? 1 : 0; }
    void lbl_virtuell_Visible(bool sichtbar) override { virtuell = sichtbar; }
    std::string Text(Box box) const override { return texte_[static_cast<int>(box)]; }
    void Text_setzen(Box box, const std::string& text) override { texte_[static_cast<int>(box)] = text; }
    void txt_ort_Visible(bool) override {}
    void txt_hoehe_Visible(bool) override {}
    void lbl_objekt_Visible(bool) override {}
    void lbl_cursor_position_Caption(const std::string&) override {}
    void MsgBox(const std::string& text, std::function<void()>) override
    {
        if (meldung.empty()) {
            meldung = text;
        }
    }
    void Clipboard_Bild(std::function<void(bool)> fertig) override { fertig(false); }
    void frm_info_Show() override {}
    void frm_messwerte_Show() override {}
    void Messwerte_zeigen(const Messbericht&) override {}
    void Clipboard_Text(const std::string&, std::function<void(bool)> fertig) override { fertig(false); }
    void End() override {}
    void Refresh() override {}

    Rasterbild& bild;
    bool abbildung = false;
    bool strahlen = false;
    bool virtuell = false;
    std::string meldung;

private:
    std::array<std::string, box_anzahl> texte_;
};

QString zitat(const QString& text)
{
    return uebersetzt_q("„%1“").arg(text);
}

// Why a file cannot be opened for writing, as far as one can tell.
QString nicht_schreibbar(const QString& pfad)
{
    const QFileInfo datei(pfad);
    const QFileInfo ordner(datei.absolutePath());
    if (datei.isDir()) {
        return uebersetzt_q("%1 ist ein Ordner").arg(zitat(pfad));
    }
    if (!ordner.isDir()) {
        return uebersetzt_q("den Ordner %1 gibt es nicht").arg(zitat(QDir::toNativeSeparators(ordner.filePath())));
    }
    return uebersetzt_q("%1 lässt sich nicht schreiben (keine Schreibrechte?)").arg(zitat(pfad));
}

// The notice is a label on the window, not part of the drawing; the
// picture shows it where the window does, or a virtual image would look
// like a picture without an image.
void hinweis_zeichnen(QImage& bild)
{
    const entwurf::Steuerelement& e = entwurf::element("lbl_virtuell");
    const QRect rahmen(entwurf::pixel(e.links), entwurf::pixel(e.oben), entwurf::pixel(e.breite),
                       entwurf::pixel(e.hoehe));
    QFont schrift = formular_schrift();
    schrift.setBold(e.fett);
    schrift.setStyleStrategy(QFont::NoAntialias);  // exact colours, as the drawing's own text
    const QPalette palette = QGuiApplication::palette();
    QPainter p(&bild);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.fillRect(rahmen, palette.color(QPalette::Base));
    p.setFont(schrift);
    p.setPen(palette.color(QPalette::WindowText));
    p.drawText(rahmen, Qt::AlignLeft | Qt::AlignVCenter, uebersetzt_q(e.text));
}

}  // namespace

Bildmass bildmass(QSize pixel)
{
    const int passt = std::min(pixel.width() / bild_standardgroesse.width(),
                               pixel.height() / bild_standardgroesse.height());
    for (int k = passt; k >= 2; --k) {
        if (pixel.width() % k == 0 && pixel.height() % k == 0) {
            return {pixel / k, k};
        }
    }
    return {pixel, 1};
}

namespace {

// What a failed scene leaves out: the picture file or the values.
enum class Ziel { Bild, Werte };

// Takes the command line's scene over as typed into a fresh window and
// draws it once more. Empty when the scene was drawn; otherwise why not,
// each reason one sentence for either aim.
QString szene_zeichnen(const Befehlszeile& befehl, Bildansicht& ansicht, QSize groesse, Ziel ziel)
{
    const bool bild = ziel == Ziel::Bild;
    GrafikKern kern(ansicht);
    kern.Form_Load();
    const Szenenwert* gescheitert = nullptr;
    szene_uebernehmen(
        befehl, ansicht, kern,
        {[&] {
             ansicht.abbildung = true;
             kern.opt_abbildung_Click();
         },
         [&] {
             ansicht.abbildung = false;
             kern.opt_fokus_Click();
         },
         [&] {
             ansicht.strahlen = true;
             kern.chk_licht_Click();
         },
         [&] {
             ansicht.strahlen = false;
             kern.chk_licht_Click();
         }},
        [&](const Szenenwert& w) {
            if (ansicht.meldung.empty()) {
                return true;
            }
            gescheitert = &w;
            return false;
        });
    if (gescheitert != nullptr) {
        return (bild ? uebersetzt_q("%1 %2: %3, mit diesem Wert lässt sich die Szene nicht zeichnen (Feld %4); "
                                    "kein Bild geschrieben")
                     : uebersetzt_q("%1 %2: %3, mit diesem Wert lässt sich die Szene nicht zeichnen (Feld %4); "
                                    "keine Messwerte"))
            .arg(gescheitert->option, gescheitert->text, zitat(QString::fromStdString(ansicht.meldung)),
                 zitat(uebersetzt_q(entwurf::box(gescheitert->box).zugang_name)));
    }

    // The picture is this one redraw of the finished scene, whatever the
    // values' own redraws left.
    try {
        kern.Form_Resize();
    } catch (const Laufzeitfehler&) {
        return bild ? uebersetzt_q("die Szene lässt sich mit diesen Werten nicht zeichnen; kein Bild geschrieben")
                    : uebersetzt_q("die Szene lässt sich mit diesen Werten nicht zeichnen; keine Messwerte");
    }
    if (Messung.stand == Messung_t::Stand::nicht_gezeichnet) {
        return (bild ? uebersetzt_q("%1x%2 Pixel sind zu klein für die Grafik; kein Bild geschrieben")
                     : uebersetzt_q("%1x%2 Pixel sind zu klein für die Grafik; keine Messwerte"))
            .arg(groesse.width())
            .arg(groesse.height());
    }
    return QString();
}

// The client area is the whole window here.
void fenster_wie_bild(Rasterbild& bild, QSize logisch)
{
    bild.fenster_setzen(logisch.width() * double(entwurf::twips_je_pixel),
                        logisch.height() * double(entwurf::twips_je_pixel), 0);
}

}  // namespace

Werte werte_ermitteln(const Befehlszeile& befehl)
{
    Rasterbild bild;
    bild.groesse_setzen(bild_standardgroesse.width(), bild_standardgroesse.height());
    fenster_wie_bild(bild, bild_standardgroesse);
    Bildansicht ansicht(bild);
    Werte w;
    w.meldung = szene_zeichnen(befehl, ansicht, bild_standardgroesse, Ziel::Werte);
    if (w.meldung.isEmpty()) {
        w.text = messbericht().text();
    }
    return w;
}

QString bild_exportieren(const Befehlszeile& befehl, std::string* werte)
{
    // Into a temporary file beside the target, renamed at the end: an error
    // on the way leaves no half-written picture, and no file at all.
    QSaveFile datei(befehl.bild);
    if (!datei.open(QIODevice::WriteOnly)) {
        return nicht_schreibbar(befehl.bild);
    }

    const Bildmass mass = bildmass(befehl.groesse);
    BildFlaeche flaeche;
    flaeche.groesse_setzen(mass.logisch, mass.verhaeltnis);
    fenster_wie_bild(flaeche, mass.logisch);
    flaeche.systemfarben_setzen(QGuiApplication::palette());
    flaeche.schrift_setzen(formular_schrift());
    Bildansicht ansicht(flaeche);
    const QString meldung = szene_zeichnen(befehl, ansicht, befehl.groesse, Ziel::Bild);
    if (!meldung.isEmpty()) {
        return meldung;
    }
    if (werte != nullptr) {
        *werte = messbericht().text();
    }

    QImage bild = flaeche.kopie();
    if (ansicht.virtuell) {
        hinweis_zeichnen(bild);
    }
    // Few colours and no blended edges: a palette picture holds them exactly,
    // in a third less space.
    const QImage palettenbild = bild.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (palettenbild.convertToFormat(bild.format()) == bild) {
        bild = palettenbild;
    }
    // Printed at its resolution, a picture k times as large comes out as
    // large as the ordinary one.
    const int punkte_je_meter = static_cast<int>(std::lround(96.0 * mass.verhaeltnis / 0.0254));
    bild.setDotsPerMeterX(punkte_je_meter);
    bild.setDotsPerMeterY(punkte_je_meter);
    if (!bild.save(&datei, "PNG") || !datei.commit()) {
        return uebersetzt_q("%1 ließ sich nicht schreiben").arg(zitat(befehl.bild));
    }
    return QString();
}
