#pragma once

#include <QString>

namespace casewright {

// Turns a track listing in "[DELIM]" markup (rows of number, title and
// length) into plain lines: "number title length" and a carriage return per
// row. Everything outside the delimited pieces is dropped. Text without
// "[DELIM]" is returned as it is.
class TrackListingFlattener {
public:
    static QString flatten(const QString& text);
};

}  // namespace casewright
