// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QTest>
#include <list>

using namespace Qt::StringLiterals;

// The rows of a _data() table kept in tests/data/tables/<name>.tsv, tab-separated: a header of
// column names, then a row a line, its tag first; "#" starts a comment line. A column named
// "x:int" is an int, "x:real" a double, "x:ints" a QList<int> and "x:list" a QStringList (both
// split at ";"); any other a QString, taken as it stands but for "\t", a tab.
inline void addRows(const QString &name)
{
    static std::list<QByteArray> columns; // the table keeps the names' pointers, not copies
    QFile file(QFINDTESTDATA(u"../data/tables/"_s + name + u".tsv"_s));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no table %s", qPrintable(name));
    QStringList types;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'\t');
        if (types.isEmpty()) {
            for (const QString &column : fields.mid(1)) {
                types << column.section(u':', 1);
                columns.push_back(column.section(u':', 0, 0).toUtf8());
                const QString &type = types.last();
                const int id = type == u"int"    ? QMetaType::Int
                               : type == u"real" ? QMetaType::Double
                               : type == u"ints" ? qMetaTypeId<QList<int>>()
                               : type == u"list" ? QMetaType::QStringList
                                                 : QMetaType::QString;
                QTest::addColumnInternal(id, columns.back().constData());
            }
            continue;
        }
        QTestData &row = QTest::newRow(qPrintable(fields.takeFirst()));
        for (qsizetype i = 0; i < types.size(); ++i) {
            const QString field = fields.value(i).replace(u"\\t"_s, u"\t"_s);
            const QStringList parts = field.isEmpty() ? QStringList() : field.split(u';');
            QList<int> numbers;
            for (const QString &part : parts)
                numbers << part.toInt();
            if (types[i] == u"int")
                row << field.toInt();
            else if (types[i] == u"real")
                row << field.toDouble();
            else if (types[i] == u"ints")
                row << numbers;
            else if (types[i] == u"list")
                row << parts;
            else
                row << field;
        }
    }
}
