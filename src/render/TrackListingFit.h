#pragma once

#include <QString>

namespace casewright {

// How a back cover's track listing was fitted into its text area: the size it
// is drawn at and what did not fit even at the smallest size.
struct TrackListingFit {
    // A listing is never made smaller than this.
    static constexpr int kMinimumPoints = 6;
    // A listing too long for one column at that size goes into two.
    static constexpr int kMaximumColumns = 2;

    int chosenPoints = 0;         // the design's font size
    int points = 0;               // the size the listing is drawn at
    int columns = 1;              // of rows side by side
    double lineHeightInches = 0;  // from row to row at that size
    int tracks = 0;               // rows drawn: those with a title or a length
    int tracksNotFitting = 0;

    bool totalRequested = false;  // the design asks for a total time row
    bool totalKnown = false;      // some track has a length, and every length reads
    bool totalShown = false;      // requested, known and fitting below the tracks
    QString unreadableLength;     // the length that keeps the total unknown

    bool reduced() const { return points < chosenPoints; }
    // Drawn other than as designed: smaller or in two columns.
    bool rearranged() const { return reduced() || columns > 1; }
};

// What the designer tells the user about a fit; empty when the listing is
// drawn as designed.
QString TrackListingFitNote(const TrackListingFit& fit);

}  // namespace casewright
