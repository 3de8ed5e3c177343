#include "aufzeichnung.h"

namespace {

Aufruf aufruf(const Zeichenflaeche& f, Aufruf::Art art, double x1, double y1, double x2, double y2, Farbe farbe)
{
    Aufruf a{};
    a.art = art;
    a.x1 = x1;
    a.y1 = y1;
    a.x2 = x2;
    a.y2 = y2;
    a.farbe = farbe;
    a.breite = f.DrawWidth;
    a.stil = f.DrawStyle;
    return a;
}

}  // namespace

void Aufzeichnung::Cls()
{
    aufrufe.push_back(aufruf(*this, Aufruf::Cls, 0, 0, 0, 0, ForeColor));
    CurrentX = 0;
    CurrentY = 0;
}

void Aufzeichnung::Scale(double x1, double y1, double x2, double y2)
{
    aufrufe.push_back(aufruf(*this, Aufruf::Scale, x1, y1, x2, y2, ForeColor));
}

void Aufzeichnung::Line(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y2, ForeColor);
}

void Aufzeichnung::Line(double x1, double y1, double x2, double y2, Farbe farbe)
{
    aufrufe.push_back(aufruf(*this, Aufruf::Line, x1, y1, x2, y2, farbe));
    CurrentX = x2;
    CurrentY = y2;
}

void Aufzeichnung::Line(double x2, double y2, Farbe farbe)
{
    Line(CurrentX, CurrentY, x2, y2, farbe);
}

void Aufzeichnung::PSet(double x, double y, Farbe farbe)
{
    aufrufe.push_back(aufruf(*this, Aufruf::PSet, x, y, x, y, farbe));
    CurrentX = x;
    CurrentY = y;
}

double Aufzeichnung::TextWidth(const std::string& text) const
{
    std::size_t zeichen = 0;
    for (unsigned char c : text) {
        zeichen += (c & 0xC0) != 0x80;  // UTF-8: count the first byte of each character
    }
    return zeichenbreite * static_cast<double>(zeichen);
}

void Aufzeichnung::Print(const std::string& text)
{
    Aufruf a = aufruf(*this, Aufruf::Print, CurrentX, CurrentY, CurrentX, CurrentY, ForeColor);
    a.text = text;
    aufrufe.push_back(std::move(a));
}
