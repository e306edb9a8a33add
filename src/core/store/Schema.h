// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QStringList>

// What one class runs on its own tables to bring the store to `version`.
struct SchemaStep
{
    int version = 0;
    QStringList statements;
};

// Each class that reads and writes tables keeps their steps beside it, defined in its own
// source. The store runs every step of a version in one transaction, owners in this order;
// PRAGMA user_version counts the versions reached.
namespace Schema {
const QList<SchemaStep> &matches();      // MatchStore
const QList<SchemaStep> &careers();      // CareerStatistics
const QList<SchemaStep> &records();      // MatchRecords
const QList<SchemaStep> &sides();        // SideStore
const QList<SchemaStep> &competitions(); // CompetitionStore
const QList<SchemaStep> &network();      // NetworkStore
} // namespace Schema
