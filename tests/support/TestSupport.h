// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QFontMetrics>
#include <functional>

// Counts calls to the end-program function for its lifetime instead of exiting.
class EndProgramObserver
{
public:
    EndProgramObserver();
    ~EndProgramObserver();
    int calls() const { return m_calls; }

private:
    int m_calls = 0;
};

// True when the label's text fits inside its box with the font it actually uses.
bool captionFits(const QLabel *label);

// Runs action on the next modal dialog or message box that becomes active (polling the
// event loop), e.g. to press its button. Start it before the call that opens the dialog.
void whenModalShown(std::function<void(QWidget *)> action, int timeoutMs = 5000);
