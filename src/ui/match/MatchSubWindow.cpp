// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/MatchSubWindow.h"

#include "ui/common/Controls.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

MatchSubWindow::MatchSubWindow(const QString &name, bool userClosable, QWidget *parent)
    : QMdiSubWindow(parent), m_client(new QWidget), m_userClosable(userClosable)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (userClosable)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWidget(m_client);
}

void MatchSubWindow::setClientTwips(int width, int height)
{
    setFixedClientTwips(m_client, width, height);
    setFixedSize(sizeHint());
    // Nothing lays the controls out. A label of no fixed size asks the window to, every time its
    // caption changes, and the window works out its title bar again.
    for (QLabel *label : m_client->findChildren<QLabel *>())
        label->setFixedSize(label->size());
}

bool MatchSubWindow::event(QEvent *event)
{
    const bool handled = QMdiSubWindow::event(event);
    // Outside the MDI area the window has no title bar yet; once inside, its outer size must
    // grow by the frame so the client area keeps its design size.
    if (event->type() == QEvent::ParentChange)
        setFixedSize(sizeHint());
    return handled;
}

void MatchSubWindow::setDefaultButton(QPushButton *button)
{
    m_default = button;
    button->setDefault(true);
}

void MatchSubWindow::closeForGood()
{
    m_forced = true;
    close();
    m_closed = true;
}

void MatchSubWindow::closeEvent(QCloseEvent *event)
{
    if (!m_userClosable && !m_forced) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        m_closed = true;
}

void MatchSubWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && m_default && m_default->isEnabled() && m_default->isVisible()) {
        m_default->click();
        return;
    }
    QMdiSubWindow::keyPressEvent(event);
}
