#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace casewright {

// Which labels of a sheet receive the disc design: all of them, or a set of
// label numbers, counted from 1 in reading order. Choosing the top or the
// bottom label of a two-label sheet is choosing label 1 or label 2.
class LabelSelection {
public:
    // The first label: the top label of a two-label sheet.
    LabelSelection();

    static LabelSelection All();
    // An empty list means the first label.
    static LabelSelection Of(std::vector<int> numbers);

    // "all", or label numbers and ranges separated by commas: "1,3", "2-4".
    // Nothing else; `error` says what was wrong.
    static std::optional<LabelSelection> Parse(const QString& text, QString* error = nullptr);

    // The form Parse reads: "all", "1", "1,3", "2-4,6".
    QString text() const;

    bool isAll() const { return all_; }
    // Sorted, without repeats; empty for all.
    const std::vector<int>& numbers() const { return numbers_; }
    bool contains(int number) const;

    // The chosen labels of a sheet with `labelCount` labels, as 0-based
    // indexes in order. Numbers beyond the sheet are left out; when none is
    // left, the first label.
    std::vector<int> indexesOn(int labelCount) const;
    // The chosen numbers a sheet with `labelCount` labels does not have.
    std::vector<int> beyond(int labelCount) const;

    // Adds or removes one label; the last chosen label stays.
    LabelSelection toggled(int number, int labelCount) const;

    bool operator==(const LabelSelection& other) const {
        return all_ == other.all_ && numbers_ == other.numbers_;
    }
    bool operator!=(const LabelSelection& other) const { return !(*this == other); }

private:
    bool all_ = false;
    std::vector<int> numbers_{1};
};

}  // namespace casewright
