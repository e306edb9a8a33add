// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"
#include "core/match/MatchLog.h"

#include <functional>

class CompetitionStore;
class MatchSession;
class PlayerFile;
class RandomSource;

// The fixture's two elevens before the toss, place a first, each saved side read again from
// the player file and named as the competition knows it, and whether statistics count. Why
// not (a side gone, players no longer in the file), or an empty text with `setup` written.
QString fixtureSetup(MatchStore &store, const Competition &competition, const Fixture &fixture,
                     const PlayerFile &file, MatchSetup &setup);

// Who plays a fixture, from its sides' computer flags: the mode, and in Human v CPU the
// person's side as an index into the fixture's places.
struct FixturePlayers
{
    MatchMode mode = MatchMode::HumanVHuman;
    int chosenSide = -1;
    std::array<bool, 2> computer{};
};
FixturePlayers fixturePlayers(const Competition &competition, const Fixture &fixture);

// The place that bats first once the toss has been decided.
int firstPlace(const Fixture &fixture, const TossRecord &toss);
// The toss when the computer plays both sides, as the toss window makes it: the second side
// calls by a draw, and the winner bats, first in `setup`'s sides.
void computerToss(MatchSetup &setup, RandomSource &random);

// Starts the fixture as the session's match from `setup` (the toss decided) and links the
// stored match to it, so that resuming it later carries the competition on. Empty, or why the
// match was saved but its fixture could not be told of it.
QString startFixture(MatchSession &session, CompetitionStore &competitions,
                     const Competition &competition, const Fixture &fixture,
                     const MatchSetup &setup);

// Plays a fixture the computer plays on both sides to its end without windows: its match taken
// up from where it was saved, or from `setup` (the fixture's sides, place a first, before the
// toss) with a toss of its own. The match is saved whole in one transaction, finished with its
// statistics and records as a match played on screen would be. Why not, or an empty text.
QString simulateFixture(MatchStore &store, const Competition &competition, const Fixture &fixture,
                        MatchSetup setup, RandomSource &random);

// Whether simulateComputerFixtures() would play the fixture.
bool simulationDue(const Competition &competition, const Fixture &fixture, qint64 onScreen);
// Every fixture not yet finished between two computer sides, in order, played by
// simulateFixture(), except the one whose match is `onScreen`. `goOn(done, total)` is asked
// before each; false stops the run, keeping every fixture already played.
struct SimulationRun
{
    int played = 0;
    QString problem; // what stopped the run, if not the end or goOn
};
SimulationRun simulateComputerFixtures(MatchStore &store, qint64 competition,
                                       const PlayerFile &file, RandomSource &random,
                                       qint64 onScreen,
                                       const std::function<bool(int, int)> &goOn = {});
