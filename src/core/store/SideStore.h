// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

class MatchStore;
class PlayerFile;

// A player of a saved side: his record in the player file and the full name it held when the
// side was saved (in-built players have record 0).
using SidePlayer = PlayerOrigin;

// An eleven picked once and kept under a name. The two in-built elevens are listed as sides
// too, with ids -1 (Australia) and -2 (England); they are never stored and cannot be changed.
struct SavedSide
{
    qint64 id = 0;
    QString name;
    QString country;
    qint64 created = 0; // seconds since 1970 UTC; 0 for the in-built sides
    std::array<SidePlayer, 11> players{};

    bool inBuilt() const { return id < 0; }
};

// The saved sides in the match store. Every change is checked first and says why it is refused;
// a refused change leaves the store as it was.
class SideStore
{
public:
    static constexpr qint64 Australia = -1;
    static constexpr qint64 England = -2;
    static constexpr int LongestName = 40;

    explicit SideStore(MatchStore &store) : m_store(store) {}

    // The two in-built sides as the lists show them.
    static QList<SavedSide> inBuiltSides();

    // The in-built sides first, then the saved ones by name; only the in-built ones when the
    // store cannot be read.
    QList<SavedSide> sides();
    std::optional<SavedSide> side(qint64 id);

    // Why `name` cannot name a side (`except` being renamed), or an empty text.
    QString nameProblem(const QString &name, qint64 except = 0);
    // Saves a new side under its trimmed name and sets its id and created time; why not, or an
    // empty text.
    QString add(SavedSide &side);
    QString rename(qint64 id, const QString &name);
    // Refused while the side plays in a series or league not yet finished.
    QString remove(qint64 id);

private:
    QString storeProblem() const;

    MatchStore &m_store;
};

// The side as a match takes it: its name, and each player read again from the player file,
// whose record must still hold the full name saved (the averages are the file's as it is now).
// A saved side wears the colours of the in-built side of the same place (0 or 1). Why not,
// naming the players no longer in the file, or an empty text; `into` changes only on success.
QString matchSide(const SavedSide &side, const PlayerFile &file, int place, Side &into);
// Both sides of a match, first and second (two different sides), in colours of their own; why
// not (both sides' problems), or an empty text with both written.
QString matchSides(const SavedSide &first, const SavedSide &second, const PlayerFile &file,
                   std::array<Side, 2> &into);
// Statistics are recorded only for a match between two sides from the player file.
TeamSource teamSource(const SavedSide &first, const SavedSide &second);
