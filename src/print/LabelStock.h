#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "print/SheetTemplate.h"

namespace casewright {

// A paper or label sheet the user can print on, known everywhere by its exact
// display name (the settings store keeps the name, not an index).
struct LabelStock {
    QString name;
    // The page layout of a disc printed on this sheet; plain paper has none of
    // its own and uses the case type's layout.
    std::optional<int> discLayout;
    // Sheets sold in US Letter size; the others are A4.
    bool letterSize = false;
    // A sheet of the template database brings its own paper and labels;
    // built-in stocks have none.
    std::shared_ptr<const SheetTemplate> sheet;
};

namespace LabelStocks {

QString PlainPaper();

// The seventeen built-in stocks in the order the disc list shows them.
const std::vector<LabelStock>& All();
QStringList DiscStockNames();
// Covers are always printed on plain paper.
QStringList CoverStockNames();

// The stock with exactly this name (case-sensitive).
std::optional<LabelStock> Find(const QString& name);

}  // namespace LabelStocks

}  // namespace casewright
