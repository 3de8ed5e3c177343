// The browser page as the window core's view: the core runs here in the
// WebAssembly module and reaches the page's controls, dialog, clipboard and
// canvas through the functions of the page scripts (object Seite, start.js).
// The page reports its events back through the vandrel_* exports below.

#include "form/beispiele.h"
#include "form/entwurf.h"
#include "form/grafik_kern.h"
#include "form/szenenoptionen.h"
#include "form/messwerte.h"
#include "lens/sprache.h"
#include "render/rasterbild.h"

#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>

// ------------------------------------------------------------ the page script

// Strings handed back by the page are allocated with malloc and freed here.
EM_JS(char*, seite_text, (int box), {
    const s = Seite.text(box);
    const n = lengthBytesUTF8(s) + 1;
    const p = _malloc(n);
    stringToUTF8(s, p, n);
    return p;
});
EM_JS(void, seite_text_setzen, (int box, const char* text), { Seite.textSetzen(box, UTF8ToString(text)); });
EM_JS(void, seite_sichtbar, (const char* name, int sichtbar), { Seite.sichtbar(UTF8ToString(name), sichtbar); });
EM_JS(void, seite_caption, (const char* name, const char* text),
      { Seite.caption(UTF8ToString(name), UTF8ToString(text)); });
EM_JS(int, seite_gewaehlt, (const char* name), { return Seite.gewaehlt(UTF8ToString(name)); });
// Selects an option button or checks (an = 1) or unchecks the check box.
EM_JS(void, seite_waehlen, (const char* name, int an), { Seite.waehlen(UTF8ToString(name), !!an); });
EM_JS(void, seite_meldung, (const char* text), { Seite.meldung(UTF8ToString(text)); });
EM_JS(void, seite_ablage, (), { Seite.ablage(); });
EM_JS(void, seite_info_zeigen, (), { Seite.infoZeigen(); });
EM_JS(void, seite_messwerte_zeigen, (), { Seite.messwerteZeigen(); });
// The values as the core's text and the chart's pixels (none without a chart).
EM_JS(void, seite_messwerte,
      (const char* text, int hinweis, const std::uint32_t* pixel, int breite, int hoehe, double massstab),
      { Seite.messwerte(UTF8ToString(text), !!hinweis, HEAPU8, pixel, breite, hoehe, massstab); });
EM_JS(void, seite_text_ablage, (const char* text), { Seite.textAblage(UTF8ToString(text)); });
EM_JS(void, seite_ende, (), { Seite.ende(); });
// The raster's pixels, already in the canvas's channel order.
EM_JS(void, seite_bild, (const std::uint32_t* pixel, int breite, int hoehe),
      { Seite.bild(HEAPU8, pixel, breite, hoehe); });
EM_JS(void, seite_text_zeichnen,
      (const char* text, double x, double y, std::uint32_t rgb, std::uint32_t* pixel, int breite, int hoehe,
       double massstab),
      { Seite.textZeichnen(HEAPU32, UTF8ToString(text), x, y, rgb >>> 0, pixel, breite, hoehe, massstab); });
EM_JS(double, seite_text_breite, (const char* text), { return Seite.textBreite(UTF8ToString(text)); });
EM_JS(double, seite_text_grundlinie, (), { return Seite.textGrundlinie(); });
EM_JS(void, seite_titel, (const char* titel), { Seite.titel(UTF8ToString(titel)); });
EM_JS(void, seite_entwurf, (int breite, int hoehe, const char* cursor_name, const char* menue_name,
                            const char* werte_name),
      { Seite.entwurf(breite, hoehe, UTF8ToString(cursor_name), UTF8ToString(menue_name), UTF8ToString(werte_name)); });
EM_JS(void, seite_beschreibung, (const char* text), { Seite.beschreibung(UTF8ToString(text)); });
// 0 an arrow, 1 an open hand, 2 a closed hand (Zeigerform).
EM_JS(void, seite_zeigerform, (int form), { Seite.zeigerform(form); });
EM_JS(void, seite_adresse, (const char* abfrage), { Seite.adresse(UTF8ToString(abfrage)); });
// The languages there are catalogues for, "code\tname" one a line, and the one in use.
EM_JS(void, seite_sprachen, (const char* liste, const char* aktuell),
      { Seite.sprachen(UTF8ToString(liste).split('\n').map((z) => z.split('\t')), UTF8ToString(aktuell)); });
// The projector view on (1) or off: the page lays itself out anew and
// reports its size.
EM_JS(void, seite_projektor, (int an), { Seite.projektor(!!an); });
EM_JS(void, seite_link_kopieren, (), { Seite.linkKopieren(); });
EM_JS(char*, seite_abfrage, (), {
    const s = Seite.abfrage();
    const n = lengthBytesUTF8(s) + 1;
    const p = _malloc(n);
    stringToUTF8(s, p, n);
    return p;
});
EM_JS(void, seite_element,
      (const char* name, const char* art, int box, const char* text, int links, int oben, int breite, int hoehe,
       int tab_index, int sichtbar, int fett, const char* zugang_name, const char* zugang_beschreibung),
      {
          Seite.element({
              name: UTF8ToString(name),
              art: UTF8ToString(art),
              box: box,
              text: UTF8ToString(text),
              links: links,
              oben: oben,
              breite: breite,
              hoehe: hoehe,
              tab: tab_index,
              sichtbar: !!sichtbar,
              fett: !!fett,
              zugangName: UTF8ToString(zugang_name),
              zugangBeschreibung: UTF8ToString(zugang_beschreibung)
          });
      });
// The examples' captions come one a line.
EM_JS(void, seite_menue,
      (const char* datei, const char* kopieren, const char* link, const char* ende, const char* messwerte,
       const char* beispiele, const char* beispiel_titel, const char* ansicht, const char* projektor,
       const char* info, const char* grafik_name, const char* grafik_beschreibung),
      {
          Seite.menue(UTF8ToString(datei), UTF8ToString(kopieren), UTF8ToString(link), UTF8ToString(ende),
                      UTF8ToString(messwerte), UTF8ToString(beispiele), UTF8ToString(beispiel_titel).split('\n'),
                      UTF8ToString(ansicht), UTF8ToString(projektor), UTF8ToString(info));
          Seite.grafikZugang(UTF8ToString(grafik_name), UTF8ToString(grafik_beschreibung));
      });

namespace {

// The page's colours for the system colours: the window background and the
// button text of the desktop's palette.
constexpr std::uint32_t fenster_weiss = 0xFFFFFF;
constexpr std::uint32_t knopf_schwarz = 0x000000;

// The raster of the window's picture, its pixels in the canvas's order, with
// the page's font for its text.
class Leinwand : public Rasterbild {
public:
    // A tab's WebAssembly memory never shrinks: the picture has at most 8
    // megapixels (a 4K screen's 3840 x 2160 at its own sharpness), 32 MB,
    // however large the screen and its pixel ratio; the canvas shows it
    // enlarged beyond that.
    static constexpr std::size_t groesste_flaeche = std::size_t{8} << 20;

    Leinwand() : Rasterbild(Kanalfolge::rgba_bytes) { flaeche_begrenzen(groesste_flaeche); }

protected:
    void text_zeichnen(const std::string& text, double x, double y, std::uint32_t rgb) override
    {
        seite_text_zeichnen(text.c_str(), x, y, rgb, pixel_schreiben(), breite(), hoehe(), massstab());
    }
    double text_breite(const std::string& text) const override { return seite_text_breite(text.c_str()); }
    double text_grundlinie() const override { return seite_text_grundlinie(); }
};

class Seitenansicht : public Ansicht {
public:
    Seitenansicht()
    {
        leinwand_.systemfarben_setzen(fenster_weiss, knopf_schwarz);
        kennlinie_.systemfarben_setzen(fenster_weiss, knopf_schwarz);
    }

    Zeichenflaeche& flaeche() override { return leinwand_; }
    Flag opt_fokus_Value() const override { return seite_gewaehlt("opt_fokus") ? True : False; }
    Flag opt_abbildung_Value() const override { return seite_gewaehlt("opt_abbildung") ? True : False; }
    int chk_licht_Value() const override { return seite_gewaehlt("chk_licht"); }
    void lbl_virtuell_Visible(bool sichtbar) override { seite_sichtbar("lbl_virtuell", sichtbar); }

    std::string Text(Box box) const override
    {
        char* p = seite_text(static_cast<int>(box));
        std::string s(p);
        std::free(p);
        return s;
    }
    void Text_setzen(Box box, const std::string& text) override
    {
        seite_text_setzen(static_cast<int>(box), text.c_str());
    }
    void txt_ort_Visible(bool sichtbar) override { seite_sichtbar("txt_ort", sichtbar); }
    void txt_hoehe_Visible(bool sichtbar) override { seite_sichtbar("txt_h\u00f6he", sichtbar); }
    void lbl_objekt_Visible(bool sichtbar) override { seite_sichtbar("lbl_objekt", sichtbar); }
    void lbl_cursor_position_Caption(const std::string& text) override
    {
        seite_caption("lbl_cursor_position", text.c_str());
    }

    // The page cannot wait in a dialog: the box opens, and what follows its
    // closing runs when the page reports it. Boxes asked for while one is
    // open follow one after the other.
    void MsgBox(const std::string& text, std::function<void()> danach) override
    {
        meldungen_.push_back({text, std::move(danach)});
        if (meldungen_.size() == 1) {
            seite_meldung(meldungen_.front().text.c_str());
        }
    }
    void meldung_geschlossen()
    {
        if (meldungen_.empty()) {
            return;
        }
        std::function<void()> danach = std::move(meldungen_.front().danach);
        meldungen_.pop_front();
        if (danach) {
            danach();
        }
        if (!meldungen_.empty()) {
            seite_meldung(meldungen_.front().text.c_str());
        }
    }

    void Clipboard_Bild(std::function<void(bool)> fertig) override
    {
        ablage_fertig_.push_back(std::move(fertig));
        seite_ablage();
    }
    void ablage_gemeldet(bool angekommen)
    {
        if (ablage_fertig_.empty()) {
            return;
        }
        std::function<void(bool)> fertig = std::move(ablage_fertig_.front());
        ablage_fertig_.pop_front();
        fertig(angekommen);
    }

    bool meldung_offen() const { return !meldungen_.empty(); }

    void frm_info_Show() override { seite_info_zeigen(); }
    void frm_messwerte_Show() override { seite_messwerte_zeigen(); }
    void Messwerte_zeigen(const Messbericht& bericht) override
    {
        if (bericht.mit_kennlinie) {
            kennlinie_.groesse_setzen(kennlinie_breite, kennlinie_hoehe, pixelverhaeltnis_);
            kennlinie_zeichnen(kennlinie_, bericht.kennlinie);
            seite_messwerte(bericht.text().c_str(), !bericht.hinweis.empty(), kennlinie_.pixel(), kennlinie_.breite(),
                            kennlinie_.hoehe(), kennlinie_.massstab());
        } else {
            seite_messwerte(bericht.text().c_str(), !bericht.hinweis.empty(), nullptr, 0, 0, 1);
        }
    }
    void Clipboard_Text(const std::string& text, std::function<void(bool)> fertig) override
    {
        ablage_fertig_.push_back(std::move(fertig));
        seite_text_ablage(text.c_str());
    }
    // The screen's device pixel ratio, for the chart.
    void pixelverhaeltnis_setzen(double v) { pixelverhaeltnis_ = v; }
    void Grafik_Beschreibung(const std::string& text) override { seite_beschreibung(text.c_str()); }
    void Zeigerform_setzen(Zeigerform form) override { seite_zeigerform(static_cast<int>(form)); }
    void End() override
    {
        beendet_ = true;
        seite_ende();
    }
    bool beendet() const { return beendet_; }

    void Refresh() override
    {
        if (leinwand_.pixel() == nullptr) {
            seite_bild(nullptr, 0, 0);
            return;
        }
        seite_bild(leinwand_.pixel(), leinwand_.breite(), leinwand_.hoehe());
    }

    Leinwand& leinwand() { return leinwand_; }

private:
    struct Meldung {
        std::string text;
        std::function<void()> danach;
    };
    Leinwand leinwand_;
    Leinwand kennlinie_;
    double pixelverhaeltnis_ = 1;
    std::deque<Meldung> meldungen_;
    std::deque<std::function<void(bool)>> ablage_fertig_;
    bool beendet_ = false;
};

struct Programm {
    Seitenansicht ansicht;
    GrafikKern kern{ansicht};
    // The scene of the address or of an example still to be typed in: a
    // value that shows a message waits, as the desktop's blocking box
    // makes it wait, until the message is closed.
    Szenenangabe rest;
    bool uebernahme = false;
    // The projector view: the picture drawn entwurf::projektor_massstab
    // times as large, on a client area as many times smaller.
    bool projektor = false;
    int vergroesserung() const { return projektor ? entwurf::projektor_massstab : 1; }
};

std::unique_ptr<Programm> programm;

// The language the address names, kept in the address written back; empty
// where the browser's languages chose it.
std::string adresse_sprache;

// The address follows the scene on screen, once no message is pending: a
// box that shows "Unfug !" still holds the bad text until its OK.
void adresse_melden()
{
    if (programm && !programm->uebernahme && !programm->ansicht.meldung_offen() && !programm->ansicht.beendet()) {
        seite_adresse(szene_als_adresse(programm->ansicht, programm->projektor, adresse_sprache).c_str());
    }
}

// Whether the window takes the pointer and the keys: started, not ended,
// no message box open.
bool bereit()
{
    return programm && !programm->ansicht.beendet() && !programm->ansicht.meldung_offen();
}

// Takes a scene over by uebernahme (szene_uebernehmen or beispiel_waehlen,
// with the page's switches and the weiter that stops at a message); the
// values after one that shows a message wait in rest.
using Uebernahme = std::function<void(const Szenenschalter&, const std::function<bool(std::size_t)>&)>;

void uebernehmen(Szenenangabe szene, const Uebernahme& uebernahme)
{
    Programm& p = *programm;
    p.uebernahme = true;
    const Szenenschalter schalter{[&p] {
                                      seite_waehlen("opt_abbildung", 1);
                                      p.kern.opt_abbildung_Click();
                                  },
                                  [&p] {
                                      seite_waehlen("opt_fokus", 1);
                                      p.kern.opt_fokus_Click();
                                  },
                                  [&p] {
                                      seite_waehlen("chk_licht", 1);
                                      p.kern.chk_licht_Click();
                                  },
                                  [&p] {
                                      seite_waehlen("chk_licht", 0);
                                      p.kern.chk_licht_Click();
                                  }};
    std::size_t halt = szene.werte.size();
    uebernahme(schalter, [&](std::size_t i) {
        if (p.ansicht.meldung_offen() || p.ansicht.beendet()) {
            halt = i;
            return false;
        }
        return true;
    });
    p.rest = {};
    if (halt + 1 < szene.werte.size()) {
        // The mode and the rays are the scene's already; the rest keeps them.
        p.rest.abbildung = szene.abbildung;
        p.rest.strahlen = szene.strahlen;
        p.rest.werte.assign(szene.werte.begin() + static_cast<std::ptrdiff_t>(halt) + 1, szene.werte.end());
        return;
    }
    p.uebernahme = p.ansicht.meldung_offen();
    adresse_melden();
}

// A scene typed into the window as it stands: the address at the start, or
// the values that waited for a message to close.
void szene_tippen(Szenenangabe szene)
{
    uebernehmen(szene, [&szene](const Szenenschalter& schalter, const std::function<bool(std::size_t)>& weiter) {
        szene_uebernehmen(szene, programm->ansicht, programm->kern, schalter, weiter);
    });
}

void projektor_setzen(bool an)
{
    programm->projektor = an;
    programm->ansicht.leinwand().darstellung.projektor = an;
    seite_projektor(an ? 1 : 0);  // reports the new size, which redraws
}

// A pointer's place in CSS pixels of the client area, in the world.
Rasterbild::Weltpunkt welt(double x, double y)
{
    const double k = programm->vergroesserung();
    return programm->ansicht.leinwand().welt(x / k, y / k);
}

const char* art_name(entwurf::Art art)
{
    switch (art) {
    case entwurf::Art::Kontrollkaestchen: return "kontrollkaestchen";
    case entwurf::Art::Textfeld: return "textfeld";
    case entwurf::Art::Optionsfeld: return "optionsfeld";
    case entwurf::Art::Bezeichnung: return "bezeichnung";
    }
    return "bezeichnung";
}

// The entry box a control is, or -1.
int box_von(const entwurf::Steuerelement& e)
{
    for (int b = 0; b < box_anzahl; ++b) {
        if (&entwurf::box(static_cast<Box>(b)) == &e) {
            return b;
        }
    }
    return -1;
}

}  // namespace

extern "C" {

// Chooses the page's language before the start: the one the address names
// ("sprache=en") where there is a catalogue for it, else the first of the
// browser's preferred languages (navigator.languages, comma-separated) that
// there is one for, else German. Its code, for the document's lang.
EMSCRIPTEN_KEEPALIVE const char* vandrel_sprache(const char* browser)
{
    char* p = seite_abfrage();
    const std::string gewuenscht = szene_aus_adresse(p).sprache;
    std::free(p);
    adresse_sprache.clear();
    if (!gewuenscht.empty() && sprache::waehlen(gewuenscht)) {
        adresse_sprache = sprache::aktuell().code;
    } else {
        sprache::waehlen(sprache::bevorzugt(browser));
    }
    return sprache::aktuell().code;
}

// A text of the page's own scripts in the language in use; its
// placeholders are the script's to fill.
EMSCRIPTEN_KEEPALIVE const char* vandrel_uebersetzt(const char* deutsch)
{
    return uebersetzt(deutsch);
}

// The address of the scene on screen in another language, its numbers
// written as that language writes them, so that the boxes show them so:
// the menu "Sprache" opens the page anew there.
EMSCRIPTEN_KEEPALIVE const char* vandrel_sprache_adresse(const char* code)
{
    static std::string adresse;
    const std::string bisher = sprache::aktuell().code;
    sprache::waehlen(code);
    adresse = programm ? szene_als_adresse(programm->ansicht, programm->projektor, code)
                       : std::string(option_sprache) + "=" + code;
    sprache::waehlen(bisher);
    return adresse.c_str();
}

// Builds the window from its design table and loads the form; the first
// picture follows with the first vandrel_groesse.
EMSCRIPTEN_KEEPALIVE void vandrel_start()
{
    programm = std::make_unique<Programm>();
    seite_titel(uebersetzt(entwurf::titel));
    seite_entwurf(entwurf::pixel(entwurf::client_breite), entwurf::pixel(entwurf::client_hoehe),
                  uebersetzt(entwurf::cursor_name), uebersetzt(entwurf::menue_name),
                  uebersetzt(entwurf::messwerte_werte_name));
    std::string sprachen;
    for (int i = 0; i < sprache::katalog::anzahl; ++i) {
        const sprache::katalog::Sprache& s = sprache::katalog::sprachen[i];
        sprachen += (sprachen.empty() ? "" : "\n") + std::string(s.code) + "\t" + s.name;
    }
    seite_sprachen(sprachen.c_str(), sprache::aktuell().code);
    std::string beispiel_titel;
    for (const Beispiel& b : beispiele) {
        beispiel_titel += (beispiel_titel.empty() ? "" : "\n") + std::string(uebersetzt(b.titel));
    }
    seite_menue(uebersetzt(entwurf::mnu_Datei), uebersetzt(entwurf::mnu_copy), uebersetzt(entwurf::mnu_link),
                uebersetzt(entwurf::mnu_Ende), uebersetzt(entwurf::mnu_messwerte), uebersetzt(entwurf::mnu_beispiele),
                beispiel_titel.c_str(), uebersetzt(entwurf::mnu_ansicht), uebersetzt(entwurf::mnu_projektor),
                uebersetzt(entwurf::mnu_info), uebersetzt(entwurf::grafik_name), uebersetzt(entwurf::grafik_beschreibung));
    for (const entwurf::Steuerelement& e : entwurf::steuerelemente) {
        seite_element(e.name, art_name(e.art), box_von(e), entwurf::starttext(e).c_str(), entwurf::pixel(e.links),
                      entwurf::pixel(e.oben), entwurf::pixel(e.breite), entwurf::pixel(e.hoehe), e.tab_index,
                      e.sichtbar, e.fett, uebersetzt(e.zugang_name), uebersetzt(e.zugang_beschreibung));
    }
    seite_waehlen(entwurf::start_modus, 1);
    programm->kern.Form_Load();
}

// The client area in CSS pixels, the device pixel ratio, the whole page in
// CSS pixels, 1 while the page is hidden (the window minimized), and 1 where
// the controls flow above the drawing rather than standing over its top.
EMSCRIPTEN_KEEPALIVE void vandrel_groesse(int breite, int hoehe, double verhaeltnis, int seite_breite,
                                          int seite_hoehe, int verborgen, int kopf_knapp)
{
    if (!programm || programm->ansicht.beendet()) {
        return;
    }
    Leinwand& l = programm->ansicht.leinwand();
    // The projector view draws as the export draws its larger pictures.
    const int k = programm->vergroesserung();
    l.groesse_setzen(breite / k, hoehe / k, verhaeltnis * k);
    l.darstellung.kopf_knapp = kopf_knapp != 0;
    programm->ansicht.pixelverhaeltnis_setzen(verhaeltnis);
    l.fenster_setzen(seite_breite * double(entwurf::twips_je_pixel), seite_hoehe * double(entwurf::twips_je_pixel),
                     verborgen ? 1 : 0);
    programm->kern.neu_zeichnen();
}

// The scene in the page's address ("?r1=40&abbildung"), typed in as the
// desktop types in its command line; after the first picture.
EMSCRIPTEN_KEEPALIVE void vandrel_adresse_lesen()
{
    if (programm && !programm->ansicht.beendet()) {
        char* p = seite_abfrage();
        const std::string abfrage(p);
        std::free(p);
        const Szenenangabe szene = szene_aus_adresse(abfrage);
        if (szene.projektor) {
            projektor_setzen(true);
        }
        szene_tippen(szene);
    }
}

EMSCRIPTEN_KEEPALIVE void vandrel_lost_focus(int box)
{
    if (programm && !programm->ansicht.beendet() && box >= 0 && box < box_anzahl) {
        programm->kern.LostFocus(static_cast<Box>(box));
        adresse_melden();
    }
}

// 0 "Abbildung", 1 "Fokus", 2 "Lichtstrahlen", 3 "Kopieren", 4 "Ende", 5 "Info",
// 6 "Messwerte"; in the measured-values panel 7 its "Kopieren", 8 its closing; 9 "Link kopieren";
// 10 "Projektor", which turns the projector view on or off.
EMSCRIPTEN_KEEPALIVE void vandrel_klick(int was)
{
    if (!programm || programm->ansicht.beendet()) {
        return;
    }
    GrafikKern& k = programm->kern;
    switch (was) {
    case 0: k.opt_abbildung_Click(); break;
    case 1: k.opt_fokus_Click(); break;
    case 2: k.chk_licht_Click(); break;
    case 3: k.mnu_copy_Click(); break;
    case 4: k.mnu_Ende_Click(); break;
    case 5: k.mnu_info_Click(); break;
    case 6: k.mnu_messwerte_Click(); break;
    case 7: k.cmd_messwerte_kopieren_Click(); break;
    case 8: k.frm_messwerte_Unload(); break;
    case 9:
        // The address of the picture as it stands, not one a step behind.
        adresse_melden();
        seite_link_kopieren();
        break;
    case 10:
        if (!programm->ansicht.meldung_offen()) {
            projektor_setzen(!programm->projektor);
        }
        break;
    default: break;
    }
    adresse_melden();
}

// The menu "Beispiele": example i, in the order of its items. The address
// follows it, as it follows a value typed in.
EMSCRIPTEN_KEEPALIVE void vandrel_beispiel(int i)
{
    if (!programm || programm->ansicht.beendet() || programm->ansicht.meldung_offen() || i < 0 ||
        i >= beispiel_anzahl) {
        return;
    }
    const Beispiel& b = beispiele[i];
    uebernehmen(szene_aus_adresse(b.szene),
                [&b](const Szenenschalter& schalter, const std::function<bool(std::size_t)>& weiter) {
                    beispiel_waehlen(b, programm->ansicht, programm->kern, schalter, weiter);
                });
}

EMSCRIPTEN_KEEPALIVE void vandrel_link_fertig(int angekommen)
{
    if (programm && !programm->ansicht.beendet()) {
        programm->kern.link_kopiert(angekommen != 0);
    }
}

// The pointer over the drawing, in CSS pixels of the client area; finger
// for a touch screen. Without a grip held it sets the readout and the
// pointer's look; with one, it drags, and the address follows the picture.
EMSCRIPTEN_KEEPALIVE void vandrel_zeiger_bewegen(double x, double y, int finger)
{
    if (!programm || programm->ansicht.beendet()) {
        return;
    }
    const Rasterbild::Weltpunkt w = welt(x, y);
    programm->kern.Zeiger_bewegen(w.x, w.y, finger != 0);
    if (programm->kern.gegriffen() != Griff::keiner) {
        adresse_melden();
    }
}

// Whether a press there would take hold of something: the page gives the
// drawing the focus first, so that a box being typed in ends its entry.
EMSCRIPTEN_KEEPALIVE int vandrel_greifbar(double x, double y, int finger)
{
    if (!bereit()) {
        return 0;
    }
    const Rasterbild::Weltpunkt w = welt(x, y);
    return programm->kern.griff_bei(w.x, w.y, finger != 0) != Griff::keiner ? 1 : 0;
}

// A press on the drawing: 1 when it took hold of a grip.
EMSCRIPTEN_KEEPALIVE int vandrel_zeiger_runter(double x, double y, int finger)
{
    if (!bereit()) {
        return 0;
    }
    const Rasterbild::Weltpunkt w = welt(x, y);
    return programm->kern.Zeiger_runter(w.x, w.y, finger != 0) ? 1 : 0;
}

// The release, wherever it happens: the drag ends there.
EMSCRIPTEN_KEEPALIVE void vandrel_zeiger_hoch()
{
    if (programm && !programm->ansicht.beendet()) {
        programm->kern.Zeiger_hoch();
        adresse_melden();
    }
}

// Escape or a lost capture: the scene as before the press.
EMSCRIPTEN_KEEPALIVE void vandrel_zeiger_abbrechen()
{
    if (programm && !programm->ansicht.beendet()) {
        programm->kern.Zeiger_abbrechen();
        adresse_melden();
    }
}

static_assert(static_cast<int>(Pfeil::links) == 0 && static_cast<int>(Pfeil::runter) == 3);
static_assert(static_cast<int>(Zeigerform::pfeil) == 0 && static_cast<int>(Zeigerform::greifend) == 2);

// An arrow key on the focused drawing: 0 left, 1 right, 2 up, 3 down (Pfeil);
// fein with Shift, linse with Alt. 1 when it moved something.
EMSCRIPTEN_KEEPALIVE int vandrel_pfeiltaste(int pfeil, int fein, int linse)
{
    if (!bereit() || pfeil < 0 || pfeil > 3) {
        return 0;
    }
    const bool bewegt = programm->kern.Pfeiltaste(static_cast<Pfeil>(pfeil), fein != 0, linse != 0);
    adresse_melden();
    return bewegt ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void vandrel_meldung_zu()
{
    if (!programm) {
        return;
    }
    programm->ansicht.meldung_geschlossen();
    if (programm->ansicht.meldung_offen()) {
        return;
    }
    if (programm->uebernahme) {
        szene_tippen(std::move(programm->rest));
    } else {
        adresse_melden();
    }
}

EMSCRIPTEN_KEEPALIVE void vandrel_ablage_fertig(int angekommen)
{
    if (programm) {
        programm->ansicht.ablage_gemeldet(angekommen != 0);
    }
}

// How many redraws have started: lets a test see whether something redrew.
EMSCRIPTEN_KEEPALIVE int vandrel_neuzeichnungen()
{
    return programm ? programm->kern.neuzeichnungen() : 0;
}

// One redraw as a resize starts it, for the benchmark.
EMSCRIPTEN_KEEPALIVE void vandrel_neu_zeichnen()
{
    if (programm && !programm->ansicht.beendet()) {
        programm->kern.neu_zeichnen();
    }
}

}  // extern "C"
