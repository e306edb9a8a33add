// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/HistoryModel.h"

#include "core/common/Moments.h"
#include "core/store/ShortResult.h"

using namespace Qt::StringLiterals;

namespace {

enum Column
{
    Started,
    Team1,
    Team2,
    Mode,
    Status,
    Result,
    Competition,
    Columns
};

} // namespace

void HistoryModel::setEntries(QList<MatchStore::Entry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_shortResults.clear();
    for (const MatchStore::Entry &match : std::as_const(m_entries))
        m_shortResults << shortResult(match.status, match.result, {match.team1, match.team2},
                                      match.overs);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const MatchStore::Entry &match = m_entries[index.row()];
    if (role == Qt::ToolTipRole) {
        switch (index.column()) {
        case Team1:
            return match.team1;
        case Team2:
            return match.team2;
        case Result:
            return match.result.kind == MatchResult::Kind::None
                       ? m_shortResults[index.row()]
                       : resultText(match.result, {match.team1, match.team2});
        case Competition:
            return match.fixture;
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::UserRole)
        return {};
    switch (index.column()) {
    case Started:
        if (role == Qt::UserRole)
            return match.started.toMSecsSinceEpoch();
        return shownMoment(match.started);
    case Team1:
        return match.team1;
    case Team2:
        return match.team2;
    case Mode:
        return modeText(match.mode);
    case Status:
        return statusCaption(match.status);
    case Result:
        return m_shortResults[index.row()];
    case Competition:
        return match.fixture;
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList headings{tr("Started"), tr("Team 1"), tr("Team 2"),          tr("Mode"),
                               tr("Status"),  tr("Result"), tr("Series or League")};
    return headings.value(section);
}

void HistoryFilter::setText(const QString &text)
{
    m_text = text.trimmed();
    invalidateFilter();
}

bool HistoryFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const auto *model = static_cast<const HistoryModel *>(sourceModel());
    const MatchStore::Entry &a = model->entry(left.row());
    const MatchStore::Entry &b = model->entry(right.row());
    const auto byText = [](const QString &x, const QString &y) {
        return x.compare(y, Qt::CaseInsensitive) < 0;
    };
    switch (left.column()) {
    case Started:
        return a.started < b.started;
    case Team1:
        return byText(a.team1, b.team1);
    case Team2:
        return byText(a.team2, b.team2);
    case Mode:
        return byText(modeText(a.mode), modeText(b.mode));
    case Status:
        return byText(statusCaption(a.status), statusCaption(b.status));
    case Competition:
        return byText(a.fixture, b.fixture);
    default:
        return byText(model->shortResultOf(left.row()), model->shortResultOf(right.row()));
    }
}

bool HistoryFilter::filterAcceptsRow(int row, const QModelIndex &) const
{
    if (m_text.isEmpty())
        return true;
    const auto &match = static_cast<const HistoryModel *>(sourceModel())->entry(row);
    for (const QString *text : {&match.team1, &match.team2, &match.players, &match.fixture}) {
        if (text->contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
