#pragma once
// The info window: one fixed page explaining the lens formulas, closed by OK.

#include <QLabel>
#include <QRect>
#include <QWidget>

#include <utility>
#include <vector>

class QPushButton;

// A picture box: white, sunken, shows its bitmap unscaled at the upper-left
// corner and takes the focus by Tab only.
class Bildfeld : public QLabel {
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* parent);
};

class frm_info : public QWidget {
    Q_OBJECT
public:
    frm_info();
    ~frm_info() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    Bildfeld* Picture1;
    Bildfeld* Picture2;
    Bildfeld* Picture3;
    Bildfeld* Picture4;
    QPushButton* cmd_ok;

    void cmd_ok_Click();

    // How much larger than its design size the page is drawn, so that every
    // caption fits in the form font (1 when the design boxes suffice).
    double massstab() const { return massstab_; }
    // A control's design position and size in twips.
    QRect entwurfslage(const QWidget* control) const;

    // Design-time texts, shared with the tests.
    static const QString versionszeile;
    static const QString legende;
    static const QString vorzeichen;
    static const QString literatur_2;
    static const QString literatur_3;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void anordnen();

    std::vector<std::pair<QWidget*, QRect>> entwurf_;
    double massstab_ = 1;
};
