// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/net/NetLink.h"

#include <QTcpServer>
#include <QTcpSocket>

using Kind = NetMessage::Kind;

namespace {
// An over is a few small messages each way: none may wait for the one before to be acked.
void noDelay(QTcpSocket *socket)
{
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}
} // namespace

NetLink::NetLink(QObject *parent) : QObject(parent) {}

NetLink::~NetLink()
{
    // A program closing just after an over still sends its part of it.
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->flush();
    }
}

QString NetLink::host(quint16 port, const QString &code)
{
    m_code = code;
    m_wrongCodes = 0;
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, &NetLink::takeConnections);
    }
    m_server->close();
    if (!m_server->listen(QHostAddress::Any, port))
        return tr("This computer cannot listen at port %1: %2.")
            .arg(port)
            .arg(m_server->errorString());
    return {};
}

quint16 NetLink::port() const
{
    return m_server ? m_server->serverPort() : 0;
}

bool NetLink::listening() const
{
    return m_server && m_server->isListening();
}

void NetLink::join(const QString &address, quint16 port, const QString &code)
{
    auto *socket = new QTcpSocket(this);
    follow(socket);
    connect(socket, &QTcpSocket::connected, this, [this, socket, code] {
        noDelay(socket);
        send(Kind::Hello, NetMessage::text(code));
    });
    socket->connectToHost(address, port);
}

void NetLink::takeConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_socket)
            refuse(socket, tr("Another computer is already in this match."));
        else
            follow(socket), noDelay(socket);
    }
}

void NetLink::follow(QTcpSocket *socket)
{
    m_socket = socket;
    m_reader = {};
    connect(socket, &QTcpSocket::readyRead, this, &NetLink::readPeer);
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (socket != m_socket)
            return;
        if (m_server && !m_joined) { // gone before its code: the host listens on
            m_socket = nullptr;
            socket->deleteLater();
            return;
        }
        finish(m_joined ? tr("The connection to the other computer was lost.")
                        : tr("No connection: %1.").arg(socket->errorString()),
               true);
    });
}

void NetLink::send(NetMessage::Kind kind, QByteArrayView payload)
{
    if (m_socket)
        m_socket->write(NetMessage::frame(kind, payload));
}

void NetLink::end(const QString &why)
{
    if (m_server)
        m_server->close();
    send(Kind::Bye, NetMessage::text(why));
    finish(why);
}

void NetLink::readPeer()
{
    m_reader.feed(m_socket->readAll());
    while (m_socket) {
        const std::optional<NetMessage::Message> message = m_reader.next();
        if (!message)
            break;
        take(*message);
    }
    // Nothing of a broken stream is taken, and both sides are told; one that never gave a code
    // gave a wrong one.
    if (m_socket && !m_reader.error().isEmpty())
        m_server && !m_joined ? wrongCode() : end(tr("The match ended: %1.").arg(m_reader.error()));
}

void NetLink::take(const NetMessage::Message &message)
{
    const std::optional<QString> text = NetMessage::readText(message.payload);
    if (m_joined) {
        if (message.kind == Kind::Bye)
            return finish(text.value_or(tr("The other computer ended the match.")));
        emit received(message);
        return;
    }
    if (!m_server) { // joining: the host's answer
        if (message.kind == Kind::Welcome) {
            m_joined = true;
            emit joined();
        } else {
            finish(message.kind == Kind::Refused && text ? *text : tr("The host did not answer."));
        }
        return;
    }
    if (message.kind != Kind::Hello || text != m_code)
        return wrongCode();
    // Joined: the port closes, and no third computer can come.
    m_joined = true;
    m_server->close();
    send(Kind::Welcome, {});
    emit joined();
}

void NetLink::wrongCode()
{
    const bool more = ++m_wrongCodes < MaxWrongCodes;
    refuse(m_socket, tr("The join code is wrong."));
    if (!more)
        m_server->close();
    emit peerRefused(more ? tr("A computer gave a wrong join code.")
                          : tr("%1 wrong join codes were given: this computer has stopped "
                               "listening.")
                                .arg(MaxWrongCodes),
                     more);
}

void NetLink::refuse(QTcpSocket *socket, const QString &why)
{
    socket->write(NetMessage::frame(Kind::Refused, NetMessage::text(why)));
    if (socket == m_socket)
        m_socket = nullptr;
    close(socket);
}

// Once what was written has gone: a socket deleted at once would drop the last words.
void NetLink::close(QTcpSocket *socket)
{
    socket->disconnect(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater();
}

void NetLink::finish(const QString &why, bool lost)
{
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    m_socket = nullptr;
    m_joined = false;
    close(socket);
    emit ended(why, lost);
}
