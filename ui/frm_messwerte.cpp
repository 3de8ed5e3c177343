#include "ui/frm_messwerte.h"

#include "ui/fenster.h"
#include "ui/uebersetzt.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

bool ist_zahl(const QString& text)
{
    // With either language's decimal separator.
    static const QRegularExpression zahl(QStringLiteral("^-?\\d+[,.]\\d+$"));
    return zahl.match(text).hasMatch();
}

}  // namespace

// ------------------------------------------------------------- Kennlinienbild

Kennlinienbild::Kennlinienbild(QWidget* eltern) : QWidget(eltern)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kennlinie_breite, kennlinie_hoehe);
    bild_.systemfarben_setzen(palette());
    bild_.schrift_setzen(formular_schrift());
    setAccessibleName(uebersetzt_q("Achsenschnitte über der Starthöhe"));
    setAccessibleDescription(
        uebersetzt_q("Für jeden Strahl des Bündels die Stelle x, an der er die Achse schneidet, über seiner "
                     "Starthöhe y0; die senkrechte Linie ist F' der dicken Linse."));
}

QSize Kennlinienbild::sizeHint() const
{
    return QSize(kennlinie_breite, kennlinie_hoehe);
}

void Kennlinienbild::zeigen(const Kennlinie& k)
{
    kennlinie_ = k;
    veraltet_ = true;
    update();
}

void Kennlinienbild::paintEvent(QPaintEvent*)
{
    if (veraltet_) {
        veraltet_ = false;
        bild_.groesse_setzen(QSize(kennlinie_breite, kennlinie_hoehe), devicePixelRatioF());
        kennlinie_zeichnen(bild_, kennlinie_);
    }
    QPainter p(this);
    const QImage& b = bild_.Image();
    if (b.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Base));
        return;
    }
    p.drawImage(QRectF(rect()), b);
}

// -------------------------------------------------------------- frm_messwerte

frm_messwerte::frm_messwerte(QWidget* hauptfenster, std::function<void()> kopieren, std::function<void()> geschlossen)
    : QWidget(hauptfenster, Qt::Window), geschlossen_(std::move(geschlossen))
{
    // Above its main window, whose values it shows, and gone with it.
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frm_messwerte"));
    setWindowTitle(uebersetzt_q("Vandrel - Messwerte"));
    setFont(formular_schrift());

    auto* aussen = new QVBoxLayout(this);
    auto* rollen = rollen_ = new QScrollArea(this);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    werte_ = new QWidget;
    auto* spalten = new QHBoxLayout(werte_);
    links_ = new QVBoxLayout;
    rechts_ = new QVBoxLayout;
    spalten->addLayout(links_);
    spalten->addLayout(rechts_);

    lbl_hinweis = new QLabel(werte_);
    lbl_hinweis->setObjectName(QStringLiteral("lbl_hinweis"));
    lbl_hinweis->setWordWrap(true);
    lbl_hinweis->hide();
    links_->addWidget(lbl_hinweis);

    kennlinie = new Kennlinienbild(werte_);
    kennlinie->hide();
    rechts_->addWidget(kennlinie);
    links_->addStretch(1);
    rechts_->addStretch(1);
    rollen->setWidget(werte_);
    aussen->addWidget(rollen, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    cmd_kopieren = new QPushButton(uebersetzt_q("&Kopieren"), this);
    cmd_kopieren->setAccessibleDescription(uebersetzt_q("Legt die Messwerte als Tabelle in die Zwischenablage"));
    cmd_ok = new QPushButton(QStringLiteral("OK"), this);
    cmd_ok->setAccessibleDescription(uebersetzt_q("Schließt das Fenster Messwerte"));
    cmd_ok->setAutoDefault(true);
    cmd_ok->setDefault(true);
    knoepfe->addWidget(cmd_kopieren);
    knoepfe->addWidget(cmd_ok);
    aussen->addLayout(knoepfe);
    connect(cmd_kopieren, &QPushButton::clicked, this, [kopieren = std::move(kopieren)] { kopieren(); });
    connect(cmd_ok, &QPushButton::clicked, this, &QWidget::close);
}

void frm_messwerte::gruppe_fuellen(Gruppe& g, const Messgruppe& m, QVBoxLayout* spalte, int platz)
{
    const size_t spalten = m.kopf.size();
    bool passt = g.rahmen != nullptr && g.zellen.size() == m.zeilen.size() + 1;
    for (size_t i = 0; passt && i < g.zellen.size(); ++i) {
        passt = g.zellen[i].size() == spalten;
    }
    if (!passt) {
        delete g.rahmen;
        g = Gruppe{};
        auto* kasten = new QGroupBox(werte_);
        g.rahmen = kasten;
        g.raster = new QGridLayout(kasten);
        g.raster->setHorizontalSpacing(12);
        g.raster->setVerticalSpacing(2);
        g.zellen.assign(m.zeilen.size() + 1, {});
        for (size_t z = 0; z < g.zellen.size(); ++z) {
            for (size_t s = 0; s < spalten; ++s) {
                auto* l = new QLabel(kasten);
                l->setTextFormat(Qt::PlainText);
                if (z == 0) {
                    QFont f = l->font();
                    f.setBold(true);
                    l->setFont(f);
                }
                g.raster->addWidget(l, static_cast<int>(z), static_cast<int>(s));
                g.zellen[z].push_back(l);
            }
        }
        g.raster->setColumnStretch(static_cast<int>(spalten), 1);
        spalte->insertWidget(platz, kasten);
    }
    static_cast<QGroupBox*>(g.rahmen)->setTitle(QString::fromStdString(m.titel));
    for (size_t z = 0; z < g.zellen.size(); ++z) {
        for (size_t s = 0; s < spalten; ++s) {
            QLabel* l = g.zellen[z][s];
            const QString text = QString::fromStdString(z == 0 ? m.kopf[s] : m.zeilen[z - 1][s].text);
            if (l->text() != text) {
                l->setText(text);
                l->setAlignment((z > 0 && ist_zahl(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            }
        }
    }
    g.rahmen->show();
}

void frm_messwerte::zeigen(const Messbericht& bericht)
{
    lbl_hinweis->setText(QString::fromStdString(bericht.hinweis));
    lbl_hinweis->setVisible(!bericht.hinweis.empty());

    // The lens's three groups on the left, the imaging and the rays on the right.
    if (gruppen_.size() < bericht.gruppen.size()) {
        gruppen_.resize(bericht.gruppen.size());
    }
    for (size_t i = 0; i < gruppen_.size(); ++i) {
        if (i < bericht.gruppen.size()) {
            QVBoxLayout* spalte = i < 3 ? links_ : rechts_;
            // After the group before it in the same column; the left column
            // starts below the notice.
            const int platz = i == 0 ? 1 : i == 3 ? 0 : spalte->indexOf(gruppen_[i - 1].rahmen) + 1;
            gruppe_fuellen(gruppen_[i], bericht.gruppen[i], spalte, platz);
        } else if (gruppen_[i].rahmen != nullptr) {
            gruppen_[i].rahmen->hide();
        }
    }
    if (bericht.mit_kennlinie) {
        kennlinie->zeigen(bericht.kennlinie);
    }
    kennlinie->setVisible(bericht.mit_kennlinie);
    passend_machen();
}

void frm_messwerte::passend_machen()
{
    // The window grows to show every value, within the screen; it never
    // shrinks by itself, so that it does not jump while one types. What
    // does not fit scrolls.
    werte_->adjustSize();
    const QSize fehlt = werte_->sizeHint() - rollen_->viewport()->size();
    if (fehlt.width() <= 0 && fehlt.height() <= 0) {
        return;
    }
    QSize neu = size() + fehlt.expandedTo(QSize(0, 0));
    if (const QScreen* schirm = screen()) {
        neu = neu.boundedTo(schirm->availableGeometry().size() - (frameGeometry().size() - size()));
    }
    resize(neu);
}

QStringList frm_messwerte::texte() const
{
    QStringList r;
    if (!lbl_hinweis->isHidden()) {
        r << lbl_hinweis->text();
        return r;
    }
    for (const Gruppe& g : gruppen_) {
        if (g.rahmen == nullptr || g.rahmen->isHidden()) {
            continue;
        }
        r << static_cast<QGroupBox*>(g.rahmen)->title();
        for (const auto& zeile : g.zellen) {
            for (const QLabel* l : zeile) {
                r << l->text();
            }
        }
    }
    return r;
}

void frm_messwerte::closeEvent(QCloseEvent* ereignis)
{
    QWidget::closeEvent(ereignis);
    if (ereignis->isAccepted() && geschlossen_) {
        geschlossen_();
    }
}
