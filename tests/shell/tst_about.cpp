// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/frmAbout.h"
#include "shell/mdiMain.h"

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct AboutSeen
{
    QString title;
    QStringList texts;
    bool okIsDefault = false;
    QString okCaption;
};

AboutSeen readAbout(QWidget *about)
{
    AboutSeen seen;
    seen.title = about->windowTitle();
    for (const char *name : {"lblProduct", "lblSubtitle", "lblVersion", "lblNotice_0"}) {
        auto *label = about->findChild<QLabel *>(QString::fromLatin1(name));
        seen.texts << (label ? label->text() : u"<missing>"_s);
    }
    if (auto *ok = about->findChild<QPushButton *>(u"cmdOk"_s)) {
        seen.okIsDefault = ok->isDefault();
        seen.okCaption = ok->text();
    }
    return seen;
}

} // namespace

class tst_About : public QObject
{
    Q_OBJECT
private slots:
    void opensAndClosesAnyNumberOfTimes_data()
    {
        QTest::addColumn<bool>("withEnter");
        QTest::newRow("Ok") << false;
        QTest::newRow("Enter") << true;
    }
    void opensAndClosesAnyNumberOfTimes()
    {
        QFETCH(bool, withEnter);
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto *mnuAbout = frame.findChild<QAction *>(u"mnuAbout"_s);

        QList<AboutSeen> seen;
        QList<QPointer<QWidget>> windows;
        for (int time = 0; time < 4; ++time) {
            whenModalShown([&](QWidget *modal) {
                windows << modal;
                seen << readAbout(modal);
                if (withEnter)
                    QTest::keyClick(modal, Qt::Key_Return);
                else
                    QTest::mouseClick(modal->findChild<QPushButton *>(u"cmdOk"_s), Qt::LeftButton);
            });
            mnuAbout->trigger();
            QCOMPARE(seen.size(), time + 1);
            QVERIFY(!QApplication::activeModalWidget());
        }
        for (const AboutSeen &one : std::as_const(seen)) {
            QCOMPARE(one.title, u"About Stumpwell"_s);
            QCOMPARE(one.texts, seen.first().texts);
            QVERIFY(one.okIsDefault);
            QCOMPARE(one.okCaption, u"&Ok"_s);
        }
        QCOMPARE(seen.first().texts.mid(0, 3),
                 (QStringList{u"Stumpwell"_s, u"Rollcraft"_s,
                              u"Version "_s + QStringLiteral(STUMPWELL_VERSION)}));
        QVERIFY(seen.first().texts.at(3).contains(u"Copyright 2026 The Stumpwell authors"_s));
        // Each showing is a fresh window, gone once closed.
        for (const QPointer<QWidget> &window : std::as_const(windows))
            QVERIFY(window.isNull());
    }

    void everyAboutTextFitsItsBox()
    {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.size(), QSize(370, 241));
        const QList<QLabel *> labels = about.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 5);
        for (const QLabel *label : labels)
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void theSplashDesignIsShared()
    {
        frmAbout about;
        for (const char *name : {"lblProduct", "lblSubtitle", "lblVersion", "lblFrame"}) {
            auto *label = about.findChild<QLabel *>(QString::fromLatin1(name));
            QVERIFY2(label, name);
        }
        auto *product = about.findChild<QLabel *>(u"lblProduct"_s);
        QCOMPARE(product->font().family(), u"Times New Roman"_s);
        QVERIFY(product->font().bold());
        QCOMPARE(product->font().pointSizeF(), 27.75);
        QCOMPARE(product->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(about.findChild<QLabel *>(u"lblSubtitle"_s)->palette().color(QPalette::WindowText),
                 QColor(192, 255, 192));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(about.findChild<QLabel *>(u"lblFrame"_s)->height(), 129);
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
