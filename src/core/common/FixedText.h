// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/BlankTrim.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>

// A record field of exactly N characters held inline, so records copy by value as one block.
// Storing pads with blanks or cuts to N; a field never written holds N null characters.
template <std::size_t N>
class FixedText
{
public:
    FixedText() = default;
    explicit FixedText(QStringView text) { assign(text); }

    void assign(QStringView text)
    {
        const std::size_t used = std::min<std::size_t>(N, std::size_t(text.size()));
        for (std::size_t i = 0; i < used; ++i)
            m_chars[i] = text[qsizetype(i)].unicode();
        for (std::size_t i = used; i < N; ++i)
            m_chars[i] = u' ';
    }
    FixedText &operator=(QStringView text)
    {
        assign(text);
        return *this;
    }

    // All N characters, padding (or nulls) included.
    QString text() const
    {
        return QString(reinterpret_cast<const QChar *>(m_chars.data()), qsizetype(N));
    }
    // Blanks at both ends removed, as the readers show it.
    QString trimmed() const
    {
        return trimBlanks(QStringView(m_chars.data(), qsizetype(N))).toString();
    }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedText &) const = default;

private:
    std::array<char16_t, N> m_chars{};
};
