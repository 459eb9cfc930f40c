#include "support/LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace casewright {

LoopbackHttpServer::LoopbackHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    clock_.start();
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
}

QUrl LoopbackHttpServer::url() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
}

void LoopbackHttpServer::respond(const QByteArray& path, Response response) {
    responses_[path] = std::move(response);
}

void LoopbackHttpServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackHttpServer::answer(QTcpSocket* socket) {
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool()) {
        return;
    }
    socket->setProperty("answered", true);
    const QList<QByteArray> lines = received.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    const QByteArray target = requestLine.value(1);
    Request request;
    const qsizetype question = target.indexOf('?');
    request.path = question < 0 ? target : target.left(question);
    request.query = question < 0 ? QByteArray() : target.mid(question + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0) {
            request.headers[lines.at(i).left(colon).trimmed().toLower()] =
                lines.at(i).mid(colon + 1).trimmed();
        }
    }
    request.receivedAtMs = clock_.elapsed();
    requests_ << request;

    const Response response = responses_.value(
        request.path, Response{404, R"({"error": "Not Found", "help": "..."})", 0, false});
    if (response.silent) {
        return;
    }
    const QByteArray reason = response.status == 200   ? "OK"
                              : response.status == 404 ? "Not Found"
                              : response.status == 503 ? "Service Unavailable"
                                                       : "Error";
    const QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason +
                             "\r\nContent-Type: application/json; charset=utf-8"
                             "\r\nContent-Length: " +
                             QByteArray::number(response.body.size()) +
                             "\r\nConnection: close\r\n\r\n" + response.body;
    QTimer::singleShot(response.delayMs, socket, [socket, bytes] {
        socket->write(bytes);
        socket->disconnectFromHost();
    });
}

QUrl UnusedLoopbackUrl() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
}

}  // namespace casewright
