#pragma once

#include <QFile>
#include <QRegularExpression>
#include <string>
#include <vector>

namespace casewright {

// Reads what a test needs from a PDF file: how many pages it has and their
// media boxes, in whole points, in file order.
namespace PrintPdfInspection {

inline QString ReadLatin1(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

inline int PageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(ReadLatin1(path).count(page));
}

inline std::vector<std::string> MediaBoxes(const QString& path) {
    std::vector<std::string> boxes;
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[([^\\]]*)\\]"));
    auto it = box.globalMatch(ReadLatin1(path));
    while (it.hasNext()) {
        QStringList numbers;
        for (const QString& n : it.next().captured(1).simplified().split(QLatin1Char(' '))) {
            numbers << QString::number(qRound(n.toDouble()));
        }
        boxes.push_back(numbers.join(QLatin1Char(' ')).toStdString());
    }
    return boxes;
}

using Boxes = std::vector<std::string>;
const char* const kA4Portrait = "0 0 595 842";
const char* const kA4Landscape = "0 0 842 595";
const char* const kLetterPortrait = "0 0 612 792";

}  // namespace PrintPdfInspection

}  // namespace casewright
