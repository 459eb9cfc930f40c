#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

namespace casewright {

// A small HTTP/1.1 server on 127.0.0.1 for tests of web service clients: it
// answers GET requests with canned responses by path and records what it
// was asked, and when. Unknown paths get 404.
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray body;
        int delayMs = 0;      // wait this long before answering
        bool silent = false;  // never answer (a server that hangs)
    };
    struct Request {
        QByteArray path;                       // without the query
        QByteArray query;                      // still percent-encoded
        QMap<QByteArray, QByteArray> headers;  // names in lower case
        qint64 receivedAtMs = 0;
    };

    LoopbackHttpServer();

    // http://127.0.0.1:<port>
    QUrl url() const;

    void respond(const QByteArray& path, Response response);

    const QList<Request>& requests() const { return requests_; }

private:
    void accept();
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    QElapsedTimer clock_;
    QMap<QByteArray, Response> responses_;
    QList<Request> requests_;
};

// A loopback URL on which nothing listens (connections are refused).
QUrl UnusedLoopbackUrl();

}  // namespace casewright
