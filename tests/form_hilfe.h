#pragma once
// The window core against a recording view: box texts, visibility, readout,
// messages and the clipboard as plain values, the drawing recorded.

#include "form/entwurf.h"
#include "form/grafik_kern.h"
#include "form/messwerte.h"
#include "form/zahltext.h"
#include "lens/module1.h"
#include "render/aufzeichnung.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TestAnsicht : public Ansicht {
public:
    TestAnsicht()
    {
        for (int i = 0; i < box_anzahl; ++i) {
            texte[i] = entwurf::box(static_cast<Box>(i)).text;
        }
    }

    std::unique_ptr<Zeichenflaeche> bild = std::make_unique<Aufzeichnung>();
    std::string texte[box_anzahl];
    Flag fokus = True;
    Flag abbildung = False;
    int licht = 0;
    bool virtuell = false, ort_sichtbar = false, hoehe_sichtbar = false, objekt_sichtbar = false;
    std::vector<std::string> sichtbarkeit;  // the visibility calls in their order
    std::string cursor;
    std::vector<std::string> meldungen;
    std::vector<std::string> text_bei_meldung;  // what the box showed while the message was open
    Box letzte_box = Box::X1_0;
    bool meldung_spaeter = false;  // keep the message open, as a page's dialog stays
    std::function<void()> offen;   // what runs when the open message is closed
    bool ablage_nimmt_an = true;
    int kopiert = 0, info = 0, ende = 0, gezeigt = 0, messwerte_fenster = 0;
    std::vector<std::string> messwerte;  // the text of each showing of the values
    std::string ablage_text;

    Aufzeichnung& aufzeichnung() { return dynamic_cast<Aufzeichnung&>(*bild); }
    std::string& text(Box b) { return texte[static_cast<int>(b)]; }
    void ok()
    {
        auto danach = std::move(offen);
        offen = nullptr;
        if (danach) {
            danach();
        }
    }

    Zeichenflaeche& flaeche() override { return *bild; }
    Flag opt_fokus_Value() const override { return fokus; }
    Flag opt_abbildung_Value() const override { return abbildung; }
    int chk_licht_Value() const override { return licht; }
    void lbl_virtuell_Visible(bool sichtbar) override { virtuell = sichtbar; }
    std::string Text(Box b) const override { return texte[static_cast<int>(b)]; }
    void Text_setzen(Box b, const std::string& t) override { texte[static_cast<int>(b)] = t; }
    void txt_ort_Visible(bool s) override
    {
        ort_sichtbar = s;
        sichtbarkeit.push_back("txt_ort");
    }
    void txt_hoehe_Visible(bool s) override
    {
        hoehe_sichtbar = s;
        sichtbarkeit.push_back("txt_hoehe");
    }
    void lbl_objekt_Visible(bool s) override
    {
        objekt_sichtbar = s;
        sichtbarkeit.push_back("lbl_objekt");
    }
    void lbl_cursor_position_Caption(const std::string& t) override { cursor = t; }
    void MsgBox(const std::string& t, std::function<void()> danach) override
    {
        meldungen.push_back(t);
        text_bei_meldung.push_back(Text(letzte_box));
        offen = std::move(danach);
        if (!meldung_spaeter) {
            ok();
        }
    }
    void Clipboard_Bild(std::function<void(bool)> fertig) override
    {
        ++kopiert;
        fertig(ablage_nimmt_an);
    }
    void frm_info_Show() override { ++info; }
    void frm_messwerte_Show() override { ++messwerte_fenster; }
    void Messwerte_zeigen(const Messbericht& b) override { messwerte.push_back(b.text()); }
    void Clipboard_Text(const std::string& t, std::function<void(bool)> fertig) override
    {
        ablage_text = t;
        fertig(ablage_nimmt_an);
    }
    void End() override { ++ende; }
    void Refresh() override { ++gezeigt; }
    std::vector<std::string> beschreibungen;  // what screen readers were told, in order
    void Grafik_Beschreibung(const std::string& t) override { beschreibungen.push_back(t); }
    Zeigerform zeiger = Zeigerform::pfeil;
    void Zeigerform_setzen(Zeigerform f) override { zeiger = f; }
};

// A fresh scene and window core, drawn once as when the window first shows.
class Kern : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1 = Module1_t{};
        kern.Form_Load();
        kern.neu_zeichnen();
    }

    // Types a text into the box and leaves it, as a user does with Tab.
    void eingeben(Box b, const std::string& text)
    {
        a.text(b) = text;
        a.letzte_box = b;
        a.meldungen.clear();
        a.text_bei_meldung.clear();
        a.aufzeichnung().aufrufe.clear();
        vorher = kern.neuzeichnungen();
        kern.LostFocus(b);
    }
    int neu_gezeichnet() const { return kern.neuzeichnungen() - vorher; }
    // Whether the last entry cleared the picture, that is, got past the lens calculation.
    bool geloescht()
    {
        for (const Aufruf& c : a.aufzeichnung().aufrufe) {
            if (c.art == Aufruf::Cls) {
                return true;
            }
        }
        return false;
    }

    TestAnsicht a;
    GrafikKern kern{a};
    Module1_t& m = Module1;
    int vorher = 0;
    const std::string unfug = "Unfug !";
    using Texte = std::vector<std::string>;
};
