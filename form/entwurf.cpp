#include "form/entwurf.h"

#include <cstring>
#include <stdexcept>

namespace entwurf {

namespace {
using A = Art;
}

const Steuerelement steuerelemente[anzahl] = {
    {"chk_licht", A::Kontrollkaestchen, "Lichtstrahlen", 120, 45, 1335, 255, 13, true, false},
    {"txt_h\u00f6he", A::Textfeld, "10", 9600, 300, 500, 300, 11, false, false},
    {"txt_ort", A::Textfeld, "0", 8880, 300, 500, 300, 10, false, false},
    {"opt_abbildung", A::Optionsfeld, "Abbildung", 6840, 360, 1200, 375, 9, true, false},
    {"opt_fokus", A::Optionsfeld, "Fokus", 6840, 0, 1200, 375, 8, true, false},
    {"txt_d1_plus", A::Textfeld, "0", 5880, 300, 500, 300, 7, true, false},
    {"txt_Nmax", A::Textfeld, "150", 5160, 300, 500, 300, 6, true, false},
    {"txt_n1", A::Textfeld, "1,5", 4440, 300, 500, 300, 5, true, false},
    {"txt_R1_b", A::Textfeld, "35", 3720, 300, 500, 300, 3, true, false},
    {"txt_R1_a", A::Textfeld, "30", 3000, 300, 500, 300, 2, true, false},
    {"txt_X1_0", A::Textfeld, "50", 2280, 300, 500, 300, 1, true, false},
    {"lbl_virtuell", A::Bezeichnung, "virtuelles Bild !", 10560, 300, 2295, 255, 14, false, true},
    {"lbl_objekt", A::Bezeichnung, "Objekt:     Ort           H\u00f6he", 8160, 45, 1935, 255, 12, false, false},
    {"Lbl_eingabe", A::Bezeichnung,
     "Linse:        Ort            r 1            r 2           n           max x      Dicke +", 1560, 45, 4935, 255, 4, true, false},
    {"lbl_cursor_position", A::Bezeichnung, "", 120, 330, 2055, 255, 0, true, false},
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

}  // namespace entwurf
