// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/MatchStore.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

// The history's rows: started, the two teams, the mode, the status and the result in a few
// words; a tooltip holds what a cell may cut short. Qt::UserRole is what a column sorts by.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<MatchStore::Entry> entries);
    const MatchStore::Entry &entry(int row) const { return m_entries[row]; }
    // The result column's words for the row (see shortResult()).
    const QString &shortResultOf(int row) const { return m_shortResults[row]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<MatchStore::Entry> m_entries;
    QStringList m_shortResults;
};

// Keeps the matches whose teams or players hold the text, whatever its case.
class HistoryFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;
    // Straight from the entries: ten thousand rows sort too slowly through QVariant.
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString m_text;
};
