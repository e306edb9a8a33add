// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/mdiMain.h"

#include "core/match/Match.h"
#include "core/store/MatchStore.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>

void mdiMain::openMatchStore()
{
    if (m_store)
        return;
    m_store = std::make_unique<MatchStore>(m_storePath.isEmpty() ? MatchStore::defaultPath()
                                                                 : m_storePath);
    const bool opened = m_store->open();
    if (!m_store->notice().isEmpty())
        QMessageBox::warning(this, windowTitle(), m_store->notice());
    if (!opened) {
        reportStoreProblem();
        return;
    }
    offerResume();
}

// Once: the store has stopped saving and says why; the game goes on.
void mdiMain::reportStoreProblem()
{
    const QString notSaving = QStringLiteral("Stumpwell (not saving)");
    if (windowTitle() == notSaving)
        return;
    setWindowTitle(notSaving);
    m_storedMatch = 0;
    // Not inside the over that failed: its figures are written first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QMessageBox::warning(
                this, QStringLiteral("Stumpwell"),
                m_store->problem() +
                    QStringLiteral("\n\nPlay goes on, but matches are not saved."));
        },
        Qt::QueuedConnection);
}

void mdiMain::saveOver(int index)
{
    if (m_storedMatch && !m_store->appendOver(m_storedMatch, m_match->log(), index))
        reportStoreProblem();
}

void mdiMain::saveResult()
{
    if (m_storedMatch && !m_store->finishMatch(m_storedMatch, *m_match))
        reportStoreProblem();
    m_storedMatch = 0;
}

void mdiMain::offerResume()
{
    if (const std::optional<MatchStore::Entry> entry = m_store->lastInProgress())
        resumeStoredMatch(entry->id, true);
}

// From the history: the match on screen, if another, is given up first as a new match would.
void mdiMain::resumeFromHistory(qint64 id)
{
    if (m_windows->inProgress() && id == m_storedMatch)
        return;
    if (m_windows->inProgress() && !abandonMatchInProgress())
        return;
    resumeStoredMatch(id, false);
}

bool mdiMain::resumeStoredMatch(qint64 id, bool ask)
{
    MatchLog log;
    Match saved;
    QString error = m_store->readLog(id, log);
    if (error.isEmpty())
        error = saved.replay(log, *m_random);
    if (!error.isEmpty()) {
        m_store->setStatus(id, MatchStore::Status::Damaged);
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        QStringLiteral("The saved match could not be resumed: %1.").arg(error),
                        QMessageBox::Ok, this);
        box.setInformativeText(QStringLiteral("The match store is %1; the match stays there, "
                                              "marked damaged.")
                                   .arg(QDir::toNativeSeparators(m_store->path())));
        box.exec();
        return false;
    }
    if (ask) {
        // After the fourth innings the last one's figures stand.
        const int innings = std::min(saved.currentInnings(), 4);
        const int wickets = saved.currentInnings() > 4 ? 10 : saved.state().WicketsDown;
        QMessageBox question(QMessageBox::Question, windowTitle(),
                             QStringLiteral("Resume the match in progress?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::Yes);
        question.setInformativeText(QStringLiteral("%1 v %2: day %3, %4, %5 (%6 wickets)")
                                        .arg(saved.summary().team1, saved.summary().team2)
                                        .arg(saved.clock().day)
                                        .arg(saved.clock().timeCaption())
                                        .arg(saved.innings(innings).total)
                                        .arg(wickets));
        if (question.exec() != QMessageBox::Yes)
            return false;
    }
    m_match->replay(log, *m_random);
    m_sides = log.setup.sides;
    // An abandoned match taken up again is in progress once more.
    m_store->setStatus(id, MatchStore::Status::InProgress);
    m_storedMatch = id;
    // The computer waits for Pause: the user first sees where the match stands.
    const std::optional<MatchStore::Entry> entry = m_store->entry(id);
    const MatchMode mode = entry ? modeFromText(entry->mode) : MatchMode::HumanVHuman;
    beginPlay(mode, entry ? entry->userSide : -1, mode != MatchMode::HumanVHuman);
    if (!m_match->isOver()) {
        frmInnings1 *playing = m_windows->innings(m_match->currentInnings());
        playing->findChild<QLineEdit *>(QStringLiteral("txtRoll"))->setFocus();
    }
    return true;
}
