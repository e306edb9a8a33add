// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/net/NetMessage.h"

#include <QObject>
#include <QPointer>

class QTcpServer;
class QTcpSocket;

// The link to the other computer of a network match, as its host or as the one joining.
// Nothing of a peer is taken but its join code before the code is right; one peer at a time,
// and after five wrong codes the host stops listening. Every message goes through the game's
// reader, so a stream that is not the game's ends the link, with why, on both sides.
class NetLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxWrongCodes = 5;

    explicit NetLink(QObject *parent = nullptr);
    ~NetLink() override;

    // Listens on every address at `port` (0: any free one) for a peer giving `code`, again
    // after a link was lost. Why not, or an empty text.
    QString host(quint16 port, const QString &code);
    quint16 port() const;
    bool listening() const;
    // Connects to the host and gives `code`: joined() or ended() follows.
    void join(const QString &address, quint16 port, const QString &code);
    bool isJoined() const { return m_joined; }
    void send(NetMessage::Kind kind, QByteArrayView payload);
    // Ends the link, telling the peer why, and stops listening.
    void end(const QString &why);

signals:
    void joined();
    void received(const NetMessage::Message &message);
    // The link is gone, refused or broken; why, in words. `lost`: the connection broke or could
    // not be made, with nobody having ended it.
    void ended(const QString &why, bool lost);
    // As host: a peer was turned away; `listening` says whether the host goes on listening.
    void peerRefused(const QString &why, bool listening);

private:
    void takeConnections();
    void follow(QTcpSocket *socket);
    void readPeer();
    void take(const NetMessage::Message &message);
    void wrongCode();
    void refuse(QTcpSocket *socket, const QString &why);
    void close(QTcpSocket *socket);
    void finish(const QString &why, bool lost = false);

    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_socket; // the peer, joined or still to give its code
    NetMessage::Reader m_reader;
    QString m_code;
    int m_wrongCodes = 0;
    bool m_joined = false;
};
