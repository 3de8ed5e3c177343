#include "form/beispiele.h"

#include "form/grafik_kern.h"
#include "lens/sprache.h"

// Each at the start frame (max x = 150), checked with --werte and --bild:
// - the converging lens r = 30 (f = 32,8) with the object beyond 2f: a
//   real, inverted image at x = 137,6, 7,8 high, the fan meeting there;
// - the same lens as a magnifier, the object 13 inside F: a virtual image
//   at x = 11,3, 2,5 times as high;
// - bi-concave, f = -40: a virtual image at x = 36, 0,4 times as high, the
//   fan spreading behind the lens;
// - plano-convex with its curved side to the light, f = 60;
// - a meniscus (f = 83), whose principal planes lie left of the glass;
// - a lens 51 thick, whose rays cross by its F' at 87,6 and nowhere near
//   the thin lens's F' at 75, which lies in the glass;
// - n = 2: the three outer rays of each half are totally reflected at the
//   second surface;
// - r = 35: the outer rays cross the axis up to 22 before F', with no ray
//   lost to total reflection.
const Beispiel beispiele[beispiel_anzahl] = {
    {N_("&Sammellinse mit reellem Bild"), "r1=30&r2=30&ort=60&objekt-hoehe=6&abbildung&strahlen"},
    {N_("&Lupe"), "r1=30&r2=30&ort=60&objekt-ort=38&objekt-hoehe=5&abbildung"},
    {N_("&Zerstreuungslinse"), "r1=-40&r2=-40&ort=60&abbildung&strahlen"},
    {N_("&Plankonvexlinse"), "r1=30&r2=unendlich&strahlen"},
    {N_("&Meniskus"), "r1=22&r2=-40&dicke=2&ort=40&strahlen"},
    {N_("&dicke Linse"), "r1=25&r2=25&dicke=31&strahlen"},
    {N_("&Totalreflexion"), "r1=25&r2=25&n=2&strahlen"},
    {N_("sph\u00e4rische &Aberration"), "r1=35&r2=35&strahlen"},
};

void beispiel_waehlen(const Beispiel& beispiel, Ansicht& ansicht, GrafikKern& kern, const Szenenschalter& schalter,
                      const std::function<bool(std::size_t)>& weiter)
{
    kern.neu_beginnen();
    szene_uebernehmen(szene_aus_adresse(beispiel.szene), ansicht, kern, schalter, weiter);
}
