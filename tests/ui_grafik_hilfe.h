#pragma once
// A fresh main window for each widget test, with message boxes recorded
// instead of shown.

#include "lens/module1.h"
#include "ui/fenster.h"
#include "ui/frm_grafik.h"
#include "form/zahltext.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

class Hauptfenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        frm_grafik::meldung_ersatz = [this](const QString& text) { meldungen << text; };
        Module1.obj_ort = 0;  // Form_Load leaves it alone
        frm_grafik_Show();
        f = frm_grafik_Instanz();
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    }

    void TearDown() override
    {
        frm_grafik::meldung_ersatz = nullptr;
        delete f.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Types a text into the box and leaves it with Tab, as a user does. The
    // focus is put into the box first, which ends the previous box's entry.
    void eingeben(QLineEdit* box, const QString& text)
    {
        box->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(box->hasFocus());
        box->setText(text);
        vorher = f->kern().neuzeichnungen();
        meldungen.clear();
        QTest::keyClick(box, Qt::Key_Tab);
        ASSERT_FALSE(box->hasFocus());
    }
    int neu_gezeichnet() { return f->kern().neuzeichnungen() - vorher; }

    QPointer<frm_grafik> f;
    QStringList meldungen;
    int vorher = 0;
};
