#include "render/TrackListingFit.h"

#include <QStringList>

namespace casewright {

namespace {

QString Tracks(int count) {
    return count == 1 ? QStringLiteral("1 track") : QStringLiteral("%1 tracks").arg(count);
}

QString TotalNote(const TrackListingFit& fit) {
    if (!fit.totalRequested || fit.totalShown || fit.tracksNotFitting > 0) {
        return QString();
    }
    if (!fit.unreadableLength.isEmpty()) {
        return QStringLiteral("No total time: \"%1\" is not a length like 3:45 or 1:02:03")
            .arg(fit.unreadableLength);
    }
    if (!fit.totalKnown) {
        return QStringLiteral("No total time: no track has a length");
    }
    return QStringLiteral("The total time does not fit on the cover even at %1 pt").arg(fit.points);
}

}  // namespace

QString TrackListingFitNote(const TrackListingFit& fit) {
    QStringList notes;
    if (fit.tracksNotFitting > 0) {
        notes << QStringLiteral("%1 not fit on the cover even at %2 pt")
                     .arg(fit.tracksNotFitting == 1
                              ? QStringLiteral("1 track does")
                              : Tracks(fit.tracksNotFitting) + QStringLiteral(" do"))
                     .arg(fit.points);
    } else if (fit.rearranged()) {
        const QString columns =
            fit.columns > 1 ? QStringLiteral(" in %1 columns").arg(fit.columns) : QString();
        notes << (fit.reduced() ? QStringLiteral("Track listing reduced to %1 pt to fit %2%3")
                                      .arg(fit.points)
                                      .arg(Tracks(fit.tracks), columns)
                                : QStringLiteral("Track listing set%1 to fit %2")
                                      .arg(columns, Tracks(fit.tracks)));
    }
    if (const QString total = TotalNote(fit); !total.isEmpty()) {
        notes << total;
    }
    return notes.join(QStringLiteral(". "));
}

}  // namespace casewright
