// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

class MatchReplay;
class MatchWindows;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QSlider;

// A stored match watched again over by over, in a window of its own: the match windows as they
// stood after the over on the slider, taking no input. The match being played, if any, goes on.
class frmReplay : public QWidget
{
    Q_OBJECT
public:
    // `replay` is loaded; it stands after its last over. `area` is the room the match windows
    // need.
    frmReplay(std::unique_ptr<MatchReplay> replay, QSize area, QWidget *parent = nullptr);
    ~frmReplay() override;

    QMdiArea *mdiArea() const { return m_area; }
    MatchWindows &matchWindows() const { return *m_windows; }
    // Milliseconds from one over to the next while playing.
    void setInterval(int ms);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(int over);
    void step(int overs);
    void cmdReplayPlay_Click();
    void playNext();

    std::unique_ptr<MatchReplay> m_replay;
    QMdiArea *m_area;
    MatchWindows *m_windows;
    QSlider *m_sldOver;
    QLabel *m_lblPosition;
    QPushButton *m_cmdPlay;
    QTimer m_timer;
    QList<QMdiSubWindow *> m_focusless; // the windows last told to take no focus
};
