#include "print/LabelSelection.h"

#include <QStringList>
#include <algorithm>

namespace casewright {

namespace {

// More than any sheet holds; keeps "1-99999999" from filling the memory.
constexpr int kHighestLabelNumber = 1000;

std::optional<int> LabelNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > kHighestLabelNumber) {
        return std::nullopt;
    }
    return number;
}

void Fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

}  // namespace

LabelSelection::LabelSelection() = default;

LabelSelection LabelSelection::All() {
    LabelSelection s;
    s.all_ = true;
    s.numbers_.clear();
    return s;
}

LabelSelection LabelSelection::Of(std::vector<int> numbers) {
    LabelSelection s;
    numbers.erase(std::remove_if(numbers.begin(), numbers.end(), [](int n) { return n < 1; }),
                  numbers.end());
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    if (!numbers.empty()) {
        s.numbers_ = std::move(numbers);
    }
    return s;
}

std::optional<LabelSelection> LabelSelection::Parse(const QString& text, QString* error) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        return All();
    }
    std::vector<int> numbers;
    for (const QString& item : trimmed.split(QLatin1Char(','))) {
        const QStringList ends = item.split(QLatin1Char('-'));
        const std::optional<int> first = LabelNumber(ends.value(0));
        const std::optional<int> last = ends.size() == 2 ? LabelNumber(ends[1]) : first;
        if (ends.size() > 2 || !first || !last || *last < *first) {
            Fail(error, QStringLiteral("\"%1\" is not a label number from 1 to %2 or a range "
                                       "such as 2-4")
                            .arg(item.trimmed())
                            .arg(kHighestLabelNumber));
            return std::nullopt;
        }
        for (int n = *first; n <= *last; ++n) {
            numbers.push_back(n);
        }
    }
    return Of(numbers);
}

QString LabelSelection::text() const {
    if (all_) {
        return QStringLiteral("all");
    }
    QStringList items;
    for (size_t i = 0; i < numbers_.size();) {
        size_t j = i;
        while (j + 1 < numbers_.size() && numbers_[j + 1] == numbers_[j] + 1) {
            ++j;
        }
        // Two neighbours read better as "1,2" than as a range.
        if (j >= i + 2) {
            items << QStringLiteral("%1-%2").arg(numbers_[i]).arg(numbers_[j]);
        } else {
            for (size_t k = i; k <= j; ++k) {
                items << QString::number(numbers_[k]);
            }
        }
        i = j + 1;
    }
    return items.join(QLatin1Char(','));
}

bool LabelSelection::contains(int number) const {
    return all_ ? number >= 1 : std::binary_search(numbers_.begin(), numbers_.end(), number);
}

std::vector<int> LabelSelection::indexesOn(int labelCount) const {
    std::vector<int> indexes;
    for (int number = 1; number <= labelCount; ++number) {
        if (contains(number)) {
            indexes.push_back(number - 1);
        }
    }
    if (indexes.empty() && labelCount > 0) {
        indexes.push_back(0);
    }
    return indexes;
}

std::vector<int> LabelSelection::beyond(int labelCount) const {
    std::vector<int> missing;
    for (int number : numbers_) {
        if (number > labelCount) {
            missing.push_back(number);
        }
    }
    return missing;
}

LabelSelection LabelSelection::toggled(int number, int labelCount) const {
    std::vector<int> chosen;
    bool wasChosen = false;
    for (int index : indexesOn(labelCount)) {
        if (index + 1 == number) {
            wasChosen = true;
        } else {
            chosen.push_back(index + 1);
        }
    }
    if (!wasChosen) {
        chosen.push_back(number);
    } else if (chosen.empty()) {
        return *this;
    }
    return Of(chosen);
}

}  // namespace casewright
