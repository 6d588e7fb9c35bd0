#pragma once

// The tables' phones in the window tests: QNetworkAccessManager against the table server on
// 127.0.0.1, every wait bounded at ten seconds.
#include <algorithm>
#include <vector>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTest>

namespace vindelkast::test {

struct Answer {
    int status = 0;
    QJsonObject json;
};

struct Page {
    int status = 0;
    QString text;
    QByteArray policy;
};

class Phones {
public:
    explicit Phones(quint16 port) : m_base("http://127.0.0.1:" + QString::number(port)) {}

    QNetworkReply* post(const QString& call, const QJsonObject& body) {
        QNetworkRequest request(QUrl(m_base + "/api/" + call));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        return m_net.post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    }
    // Waits until every reply is in, then reads them.
    static std::vector<Answer> wait(const std::vector<QNetworkReply*>& replies) {
        finish(replies);
        std::vector<Answer> answers;
        for (QNetworkReply* r : replies) {
            answers.push_back({status(r), QJsonDocument::fromJson(r->readAll()).object()});
            r->deleteLater();
        }
        return answers;
    }
    Answer send(const QString& call, const QJsonObject& body) { return wait({post(call, body)}).front(); }
    // A page as a table's phone asks for it (its login in the cookie), or anyone ("").
    Page get(const QString& path, const QByteArray& cookie = {}) {
        QNetworkRequest request(QUrl(m_base + path));
        if (!cookie.isEmpty()) request.setRawHeader("Cookie", cookie);
        QNetworkReply* reply = m_net.get(request);
        finish({reply});
        reply->deleteLater();
        return {status(reply), QString::fromUtf8(reply->readAll()),
                reply->rawHeader("Content-Security-Policy")};
    }

private:
    static void finish(const std::vector<QNetworkReply*>& replies) {
        QElapsedTimer clock;
        clock.start();
        const auto done = [&] {
            return std::all_of(replies.begin(), replies.end(), [](auto* r) { return r->isFinished(); });
        };
        while (!done() && clock.elapsed() < 10'000) QTest::qWait(5);
    }
    static int status(QNetworkReply* reply) {
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

    QString m_base;
    QNetworkAccessManager m_net;
};

}  // namespace vindelkast::test
