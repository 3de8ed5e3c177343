// A minimal clipboard manager for the end-to-end test: it owns
// CLIPBOARD_MANAGER, and when a program hands its clipboard over at exit
// (SAVE_TARGETS) it fetches every offered format, writes the first image it
// gets to the file named on the command line and confirms the hand-over.
// One line per format on standard output.
//
//   ablageverwalter <bild-datei>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

Display* anzeige;
Window fenster;
Atom CLIPBOARD, DATEN, INCR;

void warte_auf_antwort(XEvent& e)
{
    do {
        XNextEvent(anzeige, &e);
    } while (e.type != SelectionNotify);
}

// The clipboard's content in one format; INCR transfers are read piece by piece.
bool holen(Atom format, std::vector<unsigned char>& inhalt)
{
    inhalt.clear();
    XConvertSelection(anzeige, CLIPBOARD, format, DATEN, fenster, CurrentTime);
    XEvent e;
    warte_auf_antwort(e);
    if (e.xselection.property == None) {
        return false;
    }
    Atom typ;
    int breite;
    unsigned long anzahl, rest;
    unsigned char* teil = nullptr;
    XGetWindowProperty(anzeige, fenster, DATEN, 0, 0x7fffffff, True, AnyPropertyType, &typ, &breite, &anzahl,
                       &rest, &teil);
    if (typ != INCR) {
        inhalt.assign(teil, teil + anzahl * (breite / 8));
        XFree(teil);
        return true;
    }
    XFree(teil);
    for (;;) {
        XNextEvent(anzeige, &e);
        if (e.type != PropertyNotify || e.xproperty.atom != DATEN || e.xproperty.state != PropertyNewValue) {
            continue;
        }
        XGetWindowProperty(anzeige, fenster, DATEN, 0, 0x7fffffff, True, AnyPropertyType, &typ, &breite, &anzahl,
                           &rest, &teil);
        const size_t bytes = anzahl * (breite / 8);
        inhalt.insert(inhalt.end(), teil, teil + bytes);
        XFree(teil);
        if (bytes == 0) {
            return true;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || (anzeige = XOpenDisplay(nullptr)) == nullptr) {
        std::fprintf(stderr, "usage: ablageverwalter <bild-datei> (with DISPLAY set)\n");
        return 2;
    }
    fenster = XCreateSimpleWindow(anzeige, DefaultRootWindow(anzeige), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(anzeige, fenster, PropertyChangeMask);
    CLIPBOARD = XInternAtom(anzeige, "CLIPBOARD", False);
    DATEN = XInternAtom(anzeige, "ABLAGEVERWALTER_DATEN", False);
    INCR = XInternAtom(anzeige, "INCR", False);
    const Atom MANAGER = XInternAtom(anzeige, "CLIPBOARD_MANAGER", False);
    const Atom SAVE_TARGETS = XInternAtom(anzeige, "SAVE_TARGETS", False);
    const Atom TARGETS = XInternAtom(anzeige, "TARGETS", False);
    XSetSelectionOwner(anzeige, MANAGER, fenster, CurrentTime);
    if (XGetSelectionOwner(anzeige, MANAGER) != fenster) {
        std::fprintf(stderr, "ablageverwalter: CLIPBOARD_MANAGER has another owner\n");
        return 1;
    }
    std::printf("bereit\n");
    std::fflush(stdout);

    for (;;) {
        XEvent e;
        XNextEvent(anzeige, &e);
        if (e.type != SelectionRequest || e.xselectionrequest.target != SAVE_TARGETS) {
            continue;
        }
        const XSelectionRequestEvent anfrage = e.xselectionrequest;
        std::vector<unsigned char> liste, inhalt;
        bool bild_geschrieben = false;
        if (holen(TARGETS, liste)) {
            const auto* formate = reinterpret_cast<const Atom*>(liste.data());
            for (size_t i = 0; i < liste.size() / sizeof(Atom); ++i) {
                char* name = XGetAtomName(anzeige, formate[i]);
                const std::string format = name;
                XFree(name);
                if (format == "TARGETS" || format == "MULTIPLE" || format == "TIMESTAMP" || format == "SAVE_TARGETS") {
                    continue;
                }
                if (!holen(formate[i], inhalt)) {
                    continue;
                }
                std::printf("%s %zu\n", format.c_str(), inhalt.size());
                if (!bild_geschrieben && format.rfind("image/", 0) == 0) {
                    if (FILE* datei = std::fopen(argv[1], "wb")) {
                        std::fwrite(inhalt.data(), 1, inhalt.size(), datei);
                        std::fclose(datei);
                        bild_geschrieben = true;
                    }
                }
            }
        }
        XEvent antwort;
        std::memset(&antwort, 0, sizeof antwort);
        antwort.xselection.type = SelectionNotify;
        antwort.xselection.requestor = anfrage.requestor;
        antwort.xselection.selection = anfrage.selection;
        antwort.xselection.target = anfrage.target;
        antwort.xselection.property = anfrage.property;
        antwort.xselection.time = anfrage.time;
        XSendEvent(anzeige, anfrage.requestor, False, 0, &antwort);
        XFlush(anzeige);
        std::printf("uebernommen\n");
        std::fflush(stdout);
    }
}
