#pragma once
// The measured-values window: the numbers behind the picture, grouped as
// the core formats them, and the chart of the focus beam's crossings. Not
// modal; it follows every redraw of its main window while it is open.

#include "form/messwerte.h"
#include "ui/bild_flaeche.h"

#include <QLabel>
#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;
class QScrollArea;
class QPushButton;
class QVBoxLayout;

// The chart, drawn by the core onto the desktop's raster when it is
// painted: a redraw of the scene only hands it the new points.
class Kennlinienbild : public QWidget {
public:
    explicit Kennlinienbild(QWidget* eltern);
    void zeigen(const Kennlinie& k);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    BildFlaeche bild_;
    Kennlinie kennlinie_;
    bool veraltet_ = false;
};

class frm_messwerte : public QWidget {
    Q_OBJECT
public:
    // kopieren and geschlossen reach the main window's core.
    frm_messwerte(QWidget* hauptfenster, std::function<void()> kopieren, std::function<void()> geschlossen);

    // Lays out the values; what stayed the same keeps its labels.
    void zeigen(const Messbericht& bericht);

    // The texts as shown: the one-line notice, or the groups' cells.
    QLabel* lbl_hinweis;
    Kennlinienbild* kennlinie;
    QPushButton* cmd_kopieren;
    QPushButton* cmd_ok;
    // Group titles and cells as shown, in reading order.
    QStringList texte() const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    struct Gruppe {
        QWidget* rahmen = nullptr;
        QLabel* titel = nullptr;
        QGridLayout* raster = nullptr;
        std::vector<std::vector<QLabel*>> zellen;  // the heading row first
    };
    void gruppe_fuellen(Gruppe& g, const Messgruppe& m, QVBoxLayout* spalte, int platz);
    void passend_machen();

    std::function<void()> geschlossen_;
    QScrollArea* rollen_;
    QWidget* werte_;
    QVBoxLayout* links_;
    QVBoxLayout* rechts_;
    std::vector<Gruppe> gruppen_;
};
