#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "print/SheetTemplate.h"

namespace casewright {

// What reading label templates found: every CD/DVD label sheet, and one line
// for each file or template that could not be understood and was left out.
struct SheetTemplateReading {
    std::vector<SheetTemplate> sheets;
    QStringList problems;
};

// Reads label sheets described in the XML format of the gLabels template
// database: a <Template> with a <Label-cd> (radius, hole, optional width and
// height) laid out by <Layout nx ny x0 y0 dx dy>, its paper named by a paper
// size id or given as width and height. Products declared as equivalent to
// another (equiv, <Alias>) become sheets of their own. Templates of other
// label shapes are not disc labels and are passed over without a word.
namespace SheetTemplateReader {

// Every *.xml and *.template file of the folders, in order; a folder that
// does not exist is passed over. Paper sizes come from the paper size files
// among them, with the common ISO and US sizes known beforehand. A product
// read again (same brand and part) replaces the earlier one, so that a file
// of the user's corrects the installed database.
SheetTemplateReading ReadFolders(const QStringList& folders);

// The same for a list of files.
SheetTemplateReading ReadFiles(const QStringList& files);

// A length as the format writes it ("12.5mm", "0.25 in", "9pt", "2cm",
// "1pc", or a bare number of points), in inches.
std::optional<double> ParseLength(const QString& text);

}  // namespace SheetTemplateReader

}  // namespace casewright
