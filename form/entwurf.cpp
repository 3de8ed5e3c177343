#include "form/entwurf.h"

#include "form/zahltext.h"
#include "lens/sprache.h"

#include <cstring>
#include <optional>
#include <stdexcept>

namespace entwurf {

namespace {
using A = Art;
}

const Steuerelement steuerelemente[anzahl] = {
    {"chk_licht", A::Kontrollkaestchen, N_("Lichtstrahlen"), 120, 45, 1335, 255, 13, true, false,
     N_("Lichtstrahlen"), N_("Zeichnet die verfolgten Lichtstrahlen ein")},
    {"txt_h\u00f6he", A::Textfeld, "10", 9600, 300, 500, 300, 11, false, false,
     N_("Objekt: H\u00f6he (H\u00f6he des Gegenstands)"), N_("Erlaubt: 0 bis 19")},
    {"txt_ort", A::Textfeld, "0", 8880, 300, 500, 300, 10, false, false,
     N_("Objekt: Ort (x des Gegenstands)"), N_("Erlaubt: 0 bis zum linken Rand des Glases")},
    {"opt_abbildung", A::Optionsfeld, N_("Abbildung"), 6840, 360, 1200, 375, 9, true, false,
     N_("Abbildung"), N_("Gegenstand, Bild und Konstruktionsstrahlen")},
    {"opt_fokus", A::Optionsfeld, N_("Fokus"), 6840, 0, 1200, 375, 8, true, false,
     N_("Fokus"), N_("Achsenparalleles Lichtb\u00fcndel")},
    {"txt_d1_plus", A::Textfeld, "0", 5880, 300, 500, 300, 7, true, false,
     N_("Linse: Dicke + (zus\u00e4tzliche Dicke)"), N_("Erlaubt: 0 bis 40; die Dicke an der d\u00fcnnsten Stelle der Linse")},
    {"txt_Nmax", A::Textfeld, "150", 5160, 300, 500, 300, 6, true, false,
     N_("max x (rechtes Ende des Bereichs)"), N_("Erlaubt: 80 bis 800, auf ganze Zahlen gerundet")},
    {"txt_n1", A::Textfeld, "1,5", 4440, 300, 500, 300, 5, true, false,
     N_("Linse: n (Brechzahl)"), N_("Erlaubt: 1 bis 20")},
    {"txt_R1_b", A::Textfeld, "35", 3720, 300, 500, 300, 3, true, false,
     N_("Linse: r 2 (Kr\u00fcmmungsradius rechts)"), N_("Erlaubt: \u00fcber 20 bis 10000, negativ f\u00fcr eine konkave Fl\u00e4che; 0 oder unendlich f\u00fcr eine ebene")},
    {"txt_R1_a", A::Textfeld, "30", 3000, 300, 500, 300, 2, true, false,
     N_("Linse: r 1 (Kr\u00fcmmungsradius links)"), N_("Erlaubt: \u00fcber 20 bis 10000, negativ f\u00fcr eine konkave Fl\u00e4che; 0 oder unendlich f\u00fcr eine ebene")},
    {"txt_X1_0", A::Textfeld, "50", 2280, 300, 500, 300, 1, true, false,
     N_("Linse: Ort (x der Linsenmitte)"), N_("Erlaubt: bis 1000; der linke Rand des Glases bleibt rechts von x = 2")},
    {"lbl_virtuell", A::Bezeichnung, N_("virtuelles Bild !"), 10560, 300, 2295, 255, 14, false, true,
     "", N_("Das Bild liegt nicht hinter der Linse: die Strahlen scheinen nur von ihm zu kommen")},
    {"lbl_objekt", A::Bezeichnung, N_("Objekt:     Ort           H\u00f6he"), 8160, 45, 1935, 255, 12, false, false,
     N_("Objekt"), N_("\u00dcberschrift der Felder Ort und H\u00f6he des Gegenstands")},
    {"Lbl_eingabe", A::Bezeichnung,
     N_("Linse:        Ort            r 1            r 2           n           max x      Dicke +"), 1560, 45, 4935, 255, 4, true, false,
     N_("Linse"), N_("\u00dcberschrift der Felder der Linse")},
    {"lbl_cursor_position", A::Bezeichnung, "", 120, 330, 2055, 255, 0, true, false,
     "", N_("Cursorposition: x und y des Mauszeigers in der Grafik")},
};

const Steuerelement& element(const char* name)
{
    for (const Steuerelement& s : steuerelemente) {
        if (std::strcmp(s.name, name) == 0) {
            return s;
        }
    }
    throw std::out_of_range(name);
}

const Steuerelement& box(Box b)
{
    static const char* const namen[box_anzahl] = {"txt_X1_0", "txt_R1_a",    "txt_R1_b", "txt_n1",
                                                  "txt_Nmax", "txt_d1_plus", "txt_ort",  "txt_h\u00f6he"};
    return element(namen[static_cast<int>(b)]);
}

std::string starttext(const Steuerelement& e)
{
    const std::optional<double> wert = text_zu_zahl(e.text);
    return wert ? zahl_zu_text(*wert) : uebersetzt(e.text);
}

std::string starttext(Box b)
{
    return starttext(box(b));
}

}  // namespace entwurf
