// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// Help > How to Play: the rules and keys, from the same text as the README's "How to play".
class frmHowToPlay : public QDialog
{
    Q_OBJECT
public:
    explicit frmHowToPlay(QWidget *parent = nullptr);
};
