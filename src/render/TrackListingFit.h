#pragma once

#include <QString>

namespace casewright {

// How a back cover's track listing was fitted into its text area: the size it
// is drawn at and what did not fit even at the smallest size.
struct TrackListingFit {
    // A listing is never made smaller than this.
    static constexpr int kMinimumPoints = 6;

    int chosenPoints = 0;  // the design's font size
    int points = 0;        // the size the listing is drawn at
    int tracks = 0;        // rows drawn: those with a title or a length
    int tracksNotFitting = 0;

    bool totalRequested = false;  // the design asks for a total time row
    bool totalKnown = false;      // some track has a length, and every length reads
    bool totalShown = false;      // requested, known and fitting below the tracks
    QString unreadableLength;     // the length that keeps the total unknown

    bool reduced() const { return points < chosenPoints; }
};

// What the designer tells the user about a fit; empty when the listing is
// drawn as designed.
QString TrackListingFitNote(const TrackListingFit& fit);

}  // namespace casewright
