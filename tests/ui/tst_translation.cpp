// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "ui/common/Translations.h"
#include "ui/match/frmResult.h"
#include "ui/shell/frmSplash.h"

#include "MatchDriving.h"
#include "SavedSides.h"
#include "ScriptedRandom.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>

// Puts every text it is asked for between marks: a word on screen outside them never went
// through the translation.
class MarkingTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return u"⟦"_s + QString::fromUtf8(source) + u"⟧"_s;
    }
};

class tst_Translation : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
    SeededRandom m_random{testSeed(20261209u)};
    QSet<QString> m_data; // the words of names and dates: data, never translated
    QStringList m_unmarked;

    bool marked(QString text) const
    {
        static const QRegularExpression innermost(u"⟦[^⟦⟧]*⟧"_s), tag(u"<[^>]*>"_s),
            word(u"(?<![\\w])[^\\W\\d_]+"_s);
        text.remove(tag).remove(u'&');
        while (text.contains(innermost))
            text.remove(innermost);
        for (auto words = word.globalMatch(text); words.hasNext();) {
            if (!m_data.contains(words.next().captured()))
                return false;
        }
        return true;
    }
    void note(const QWidget *window, const QObject *where, const QString &text)
    {
        if (!marked(text))
            m_unmarked << window->objectName() + u'/' + where->objectName() + u": "_s + text;
    }
    // Its title and every caption, button, menu item, tab, table heading and cell, and log line.
    void check(QWidget *window)
    {
        note(window, window, window->windowTitle());
        for (const QAction *action : window->findChildren<QAction *>())
            note(window, action, action->text());
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(window) && !qobject_cast<QMenu *>(widget))
                continue;
            if (auto *label = qobject_cast<QLabel *>(widget))
                note(window, label, label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                note(window, button, button->text() + u' ' + button->toolTip());
            else if (auto *log = qobject_cast<QPlainTextEdit *>(widget))
                for (const QString &line : log->toPlainText().split(u'\n'))
                    note(window, log, line);
            else if (auto *box = qobject_cast<QGroupBox *>(widget))
                note(window, box, box->title());
            else if (auto *tabs = qobject_cast<QTabBar *>(widget))
                for (int tab = 0; tab < tabs->count(); ++tab)
                    note(window, tabs, tabs->tabText(tab));
            else if (auto *combo = qobject_cast<QComboBox *>(widget))
                for (int item = 0; item < combo->count(); ++item)
                    note(window, combo, combo->itemText(item));
            else if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model())
                for (int column = 0; column < view->model()->columnCount(); ++column) {
                    note(window, view,
                         view->model()->headerData(column, Qt::Horizontal).toString());
                    for (int row = 0; row < std::min(view->model()->rowCount(), 3); ++row)
                        note(window, view, view->model()->index(row, column).data().toString());
                }
        }
    }

private slots:
    // Every window of a played match, the data windows and their dialogs, and the frame's
    // menus and status line, under the marking translator.
    void everyVisibleTextGoesThroughTheTranslation()
    {
        m_dir.emplace();
        QVERIFY(writeNumberedPlayers(2, 41, u"Xq %1"_s));
        MarkingTranslator marks;
        QCoreApplication::installTranslator(&marks);
        auto frame = openedFrame(u"stumpwell.sqlite"_s, &m_random);
        saveEleven(SideStore(*frame->session().store()), u"Kent"_s);
        for (const Side &side : inBuiltSides()) {
            for (const PlayerSlot &player : side.team.Players) {
                for (const QString &word : player.text().split(u' '))
                    m_data.insert(word);
            }
        }
        // The product, each language in its own words, and the dates of the history.
        for (const QString &name :
             {u"Xq"_s, u"Australia"_s, u"England"_s, u"Kent"_s, u"Stumpwell"_s, u"English"_s,
              u"Deutsch"_s, QLocale().amText(), QLocale().pmText()})
            m_data.insert(name);
        for (int month = 1; month <= 12; ++month)
            m_data.insert(QLocale().monthName(month, QLocale::ShortFormat));
        // What a dialog presses before it is closed; the team choice leads in turn to the
        // in-built teams (the match, then hosting one), team selection, saved sides, the side.
        QStringList teamModes{u"cmdInBuilt"_s, u"cmdInBuilt"_s, u"cmdChoose"_s, u"cmdSaved"_s,
                              u"cmdInBuilt"_s};
        const QMap<QString, QStringList> presses{{u"frmHistory"_s, {u"cmdReplay"_s}},
                                                 {u"frmNewSeries"_s, {u"cmdStartSeries"_s}},
                                                 {u"frmNewLeague"_s, {u"cmdStartLeague"_s}},
                                                 {u"frmPlayers"_s, {u"cmdAdd"_s, u"cmdFind"_s}},
                                                 {u"frmSides"_s, {u"cmdNewSide"_s}}};
        EndProgramObserver ending;
        ModalDriver modals([&](QWidget *modal) {
            check(modal);
            const QString name = modal->objectName();
            if (name == u"frmToss")
                return answerMatchStart(modal);
            if (auto *ask = qobject_cast<QInputDialog *>(modal)) {
                ask->setTextValue(u"Xq"_s);
                return ask->accept();
            }
            const QPointer<QWidget> open(modal);
            for (const QString &press :
                 name == u"frmTeamMode" ? QStringList{teamModes.takeFirst()} : presses.value(name))
                if (open && open->isVisible())
                    click(modal, press);
            // Team selection takes a close for the end of the program first (observed here).
            for (int tries = 0; open && open->isVisible() && tries < 2; ++tries)
                open->close();
        });
        trigger(frame.get(), u"mnu2Human"_s);
        // Some overs as a player rolls them, the rest at once; the result is seen, then taken.
        Match &match = frame->session().match();
        for (int over = 0; over < 60; ++over)
            pressRoll(*frame);
        while (!match.isOver())
            match.playOver(match.rollDie());
        check(frame.get());
        auto *ok = find<QPushButton>(frame->matchWindows().result(), u"cmdOk"_s);
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QTest::mouseClick(ok, Qt::LeftButton);
        frmSplash::showModal(frame.get());
        for (const QString &action :
             {u"mnuFOWChart"_s, u"mnuPlayers"_s, u"mnuSides"_s, u"mnuHistory"_s, u"mnuStats"_s,
              u"mnuRecords"_s, u"mnuAbout"_s, u"mnuHowToPlay"_s, u"mnuJoinMatch"_s,
              u"mnuHostMatch"_s, u"mnu1Human"_s, u"mnu1Human"_s, u"mnuCompetitions"_s,
              u"mnuNewSeries"_s, u"mnuNewLeague"_s, u"mnu1Human"_s}) {
            trigger(frame.get(), action);
            QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
        }
        for (const char *opened : {"frmReplay", "frmSeries", "frmLeague"})
            check(find(frame.get(), QString::fromLatin1(opened)));
        QCoreApplication::removeTranslator(&marks);
        QVERIFY2(m_unmarked.isEmpty(), qPrintable(m_unmarked.join(u'\n')));
    }

    // The language chosen in Settings is the one loaded at the next start.
    void chosenLanguageIsLoaded()
    {
        chooseLanguage(u"de"_s);
        QCOMPARE(installTranslations(*qApp, {QStringLiteral(STUMPWELL_CATALOGUES)}), u"de_DE"_s);
        QCOMPARE(QCoreApplication::translate("mdiMain", "&Game"), u"&Spiel"_s);
        chooseLanguage(u"en"_s);
        QCOMPARE(installTranslations(*qApp, {QStringLiteral(STUMPWELL_CATALOGUES)}), QString());
    }
};

QTEST_MAIN(tst_Translation)
#include "tst_translation.moc"
