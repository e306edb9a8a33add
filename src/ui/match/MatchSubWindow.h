// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QMdiSubWindow>

class QPushButton;

// A child window of a match: a fixed client area in twips, deleted when closed, and closed by
// the user only where the game lets him; the end of a match closes it regardless.
class MatchSubWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    explicit MatchSubWindow(const QString &name, bool userClosable, QWidget *parent = nullptr);

    QWidget *client() const { return m_client; }
    void closeForGood();
    // True once the window has accepted its close and waits to be deleted.
    bool isClosed() const { return m_closed; }

protected:
    // Once the controls are in place: their labels keep the sizes they have.
    void setClientTwips(int width, int height);
    // Enter presses this button while it is enabled, wherever the focus is in the window.
    void setDefaultButton(QPushButton *button);
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_client;
    QPushButton *m_default = nullptr;
    bool m_userClosable;
    bool m_forced = false;
    bool m_closed = false;
};
