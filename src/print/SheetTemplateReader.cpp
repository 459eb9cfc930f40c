#include "print/SheetTemplateReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>

namespace casewright {

namespace SheetTemplateReader {

namespace {

// More labels than any real sheet carries; a file asking for millions is
// broken and must not exhaust the memory.
constexpr int kMaxLabelsPerSheet = 1000;
// Labels may touch the paper's edge; a label well beyond it shows a mistake
// in the numbers or their units.
constexpr double kPaperEdgeTolerance = 1.0 / 25.4;
constexpr int kMaxEquivalentDepth = 8;

struct PaperSize {
    QString name;
    QSizeF size;  // inches
};

struct RawLayout {
    QString nx, ny, x0, y0, dx, dy;
};

struct RawDiscLabel {
    QString radius, hole, width, height;
    std::vector<RawLayout> layouts;
};

struct RawTemplate {
    QString brand, part, description, size, width, height;
    // The template this one is the same product as, if it is one.
    QString equivBrand, equiv;
    std::vector<RawDiscLabel> discLabels;
    QString file;
    qint64 line = 0;

    QString where() const {
        return QStringLiteral("%1:%2").arg(QDir::toNativeSeparators(file)).arg(line);
    }
    QString title() const { return brand + QLatin1Char(' ') + part; }
};

using ProductKey = std::pair<QString, QString>;  // brand, part

// Everything the files said, in the order they said it.
struct Collected {
    std::map<QString, PaperSize> papers;
    std::vector<RawTemplate> templates;
    QStringList problems;
};

std::map<QString, PaperSize> KnownPaperSizes() {
    const auto mm = [](double w, double h) { return QSizeF(w / 25.4, h / 25.4); };
    std::map<QString, PaperSize> papers{
        {QStringLiteral("A3"), {QStringLiteral("A3"), mm(297, 420)}},
        {QStringLiteral("A4"), {QStringLiteral("A4"), mm(210, 297)}},
        {QStringLiteral("A5"), {QStringLiteral("A5"), mm(148, 210)}},
        {QStringLiteral("A6"), {QStringLiteral("A6"), mm(105, 148)}},
        {QStringLiteral("B5"), {QStringLiteral("B5"), mm(176, 250)}},
        {QStringLiteral("US-Letter"), {QStringLiteral("US Letter"), QSizeF(8.5, 11)}},
        {QStringLiteral("US-Legal"), {QStringLiteral("US Legal"), QSizeF(8.5, 14)}},
        {QStringLiteral("US-Executive"), {QStringLiteral("US Executive"), QSizeF(7.25, 10.5)}},
    };
    return papers;
}

QString Attribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString();
}

bool Is(const QXmlStreamReader& xml, const char* name) {
    return xml.name() == QLatin1String(name);
}

RawLayout ReadLayout(const QXmlStreamReader& xml) {
    return {Attribute(xml, "nx"), Attribute(xml, "ny"), Attribute(xml, "x0"),
            Attribute(xml, "y0"), Attribute(xml, "dx"), Attribute(xml, "dy")};
}

RawDiscLabel ReadDiscLabel(QXmlStreamReader& xml) {
    RawDiscLabel label{Attribute(xml, "radius"),
                       Attribute(xml, "hole"),
                       Attribute(xml, "width"),
                       Attribute(xml, "height"),
                       {}};
    while (xml.readNextStartElement()) {
        if (Is(xml, "Layout")) {
            label.layouts.push_back(ReadLayout(xml));
        }
        xml.skipCurrentElement();
    }
    return label;
}

// The two ways a template has been named: brand and part, or one name whose
// first word is the brand.
ProductKey ProductName(const QXmlStreamReader& xml) {
    QString brand = Attribute(xml, "brand");
    QString part = Attribute(xml, "part");
    if (brand.isEmpty() && part.isEmpty()) {
        const QString name = Attribute(xml, "name").simplified();
        const int space = name.indexOf(QLatin1Char(' '));
        brand = space < 0 ? name : name.left(space);
        part = space < 0 ? QString() : name.mid(space + 1);
    }
    return {brand, part};
}

// A <Template> and its aliases, each alias an equivalent product.
void ReadTemplate(QXmlStreamReader& xml, const QString& file, std::vector<RawTemplate>& out) {
    RawTemplate t;
    std::tie(t.brand, t.part) = ProductName(xml);
    t.description = Attribute(xml, "description");
    if (t.description.isEmpty()) {
        t.description = Attribute(xml, "_description");
    }
    t.size = Attribute(xml, "size");
    t.width = Attribute(xml, "width");
    t.height = Attribute(xml, "height");
    t.equiv = Attribute(xml, "equiv");
    t.equivBrand = t.brand;
    t.file = file;
    t.line = xml.lineNumber();
    std::vector<ProductKey> aliases;
    while (xml.readNextStartElement()) {
        if (Is(xml, "Label-cd")) {
            t.discLabels.push_back(ReadDiscLabel(xml));
            continue;
        }
        if (Is(xml, "Alias")) {
            aliases.push_back(ProductName(xml));
        }
        xml.skipCurrentElement();
    }
    const ProductKey self{t.brand, t.part};
    out.push_back(t);
    for (const ProductKey& alias : aliases) {
        if (alias == self || alias.second.isEmpty()) {
            continue;
        }
        RawTemplate copy;
        copy.brand = alias.first.isEmpty() ? t.brand : alias.first;
        copy.part = alias.second;
        copy.equivBrand = t.brand;  // an alias may name another brand
        copy.equiv = t.part;
        copy.description = t.description;
        copy.file = file;
        copy.line = t.line;
        out.push_back(copy);
    }
}

void ReadPaperSizes(QXmlStreamReader& xml, std::map<QString, PaperSize>& papers) {
    while (xml.readNextStartElement()) {
        if (Is(xml, "Paper-size")) {
            const std::optional<double> w = ParseLength(Attribute(xml, "width"));
            const std::optional<double> h = ParseLength(Attribute(xml, "height"));
            QString name = Attribute(xml, "name");
            if (name.isEmpty()) {
                name = Attribute(xml, "_name");
            }
            const QString id = Attribute(xml, "id");
            if (w && h && *w > 0 && *h > 0 && !id.isEmpty()) {
                papers[id] = {name.isEmpty() ? id : name, QSizeF(*w, *h)};
            }
        }
        xml.skipCurrentElement();
    }
}

void ReadFile(const QString& path, Collected& collected) {
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly)) {
        collected.problems
            << QStringLiteral("%1: cannot be read (%2)").arg(shown, file.errorString());
        return;
    }
    QXmlStreamReader xml(&file);
    std::vector<RawTemplate> templates;
    std::map<QString, PaperSize> papers;
    if (xml.readNextStartElement()) {
        if (Is(xml, "Glabels-templates")) {
            while (xml.readNextStartElement()) {
                if (Is(xml, "Template")) {
                    ReadTemplate(xml, path, templates);
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else if (Is(xml, "Template")) {
            ReadTemplate(xml, path, templates);
        } else if (Is(xml, "Glabels-paper-sizes")) {
            ReadPaperSizes(xml, papers);
        } else if (Is(xml, "Glabels-categories") || Is(xml, "Glabels-vendors")) {
            return;
        } else {
            collected.problems << QStringLiteral("%1: skipped, not a label template file (<%2>)")
                                      .arg(shown, xml.name().toString());
            return;
        }
    }
    if (xml.hasError()) {
        // Half a file could hold half a sheet: none of it is taken.
        collected.problems << QStringLiteral("%1:%2: skipped, not well-formed XML (%3)")
                                  .arg(shown)
                                  .arg(xml.lineNumber())
                                  .arg(xml.errorString());
        return;
    }
    for (auto& [id, paper] : papers) {
        collected.papers[id] = paper;
    }
    collected.templates.insert(collected.templates.end(), templates.begin(), templates.end());
}

// Reading order, as the labels are numbered for the user.
void SortLabels(std::vector<TemplateLabel>& labels) {
    std::stable_sort(labels.begin(), labels.end(),
                     [](const TemplateLabel& a, const TemplateLabel& b) {
                         if (a.area.top() != b.area.top()) {
                             return a.area.top() < b.area.top();
                         }
                         return a.area.left() < b.area.left();
                     });
}

// Turns one template into a sheet. The first thing it cannot understand
// stops it; error() then says what that was.
class SheetBuilder {
public:
    explicit SheetBuilder(const std::map<QString, PaperSize>& papers) : papers_(papers) {}

    std::optional<SheetTemplate> build(const RawTemplate& t) {
        error_.clear();
        if (t.brand.isEmpty() || t.part.isEmpty()) {
            return fail(QStringLiteral("no brand or part number"));
        }
        SheetTemplate sheet;
        sheet.brand = t.brand;
        sheet.part = t.part;
        sheet.description = t.description;
        sheet.file = t.file;
        const PaperSize paper = paperOf(t);
        sheet.paperName = paper.name;
        sheet.paperSize = paper.size;
        for (const RawDiscLabel& raw : t.discLabels) {
            addLabels(raw, sheet.labels);
        }
        checkOnPaper(sheet.labels, sheet.paperSize);
        if (!error_.isEmpty()) {
            return std::nullopt;
        }
        SortLabels(sheet.labels);
        return sheet;
    }

    QString error() const { return error_; }

private:
    std::nullopt_t fail(const QString& reason) {
        if (error_.isEmpty()) {
            error_ = reason;
        }
        return std::nullopt;
    }

    double length(const QString& text, const char* what, bool required = true) {
        if (text.isEmpty()) {
            if (required) {
                fail(QStringLiteral("no %1").arg(QLatin1String(what)));
            }
            return 0;
        }
        const std::optional<double> value = ParseLength(text);
        if (!value) {
            fail(QStringLiteral("%1 \"%2\" is not a length").arg(QLatin1String(what), text));
        }
        return value.value_or(0);
    }

    int count(const QString& text, const char* what) {
        bool ok = false;
        const uint value = text.trimmed().toUInt(&ok, 0);  // decimal, 0x hex or 0 octal
        if (!ok || value < 1 || value > static_cast<uint>(kMaxLabelsPerSheet)) {
            fail(QStringLiteral("%1 \"%2\" is not a count of labels from 1 to %3")
                     .arg(QLatin1String(what), text)
                     .arg(kMaxLabelsPerSheet));
            return 0;
        }
        return static_cast<int>(value);
    }

    PaperSize paperOf(const RawTemplate& t) {
        const bool own =
            t.size.isEmpty() || t.size.compare(QLatin1String("other"), Qt::CaseInsensitive) == 0;
        if (!own) {
            const auto found = papers_.find(t.size);
            if (found == papers_.end()) {
                fail(QStringLiteral("unknown paper size \"%1\"").arg(t.size));
                return {};
            }
            return found->second;
        }
        const double w = length(t.width, "paper width");
        const double h = length(t.height, "paper height");
        if (w <= 0 || h <= 0) {
            fail(QStringLiteral("the paper has no size"));
        }
        return {QStringLiteral("%1 x %2 mm")
                    .arg(QString::number(w * 25.4, 'f', 1), QString::number(h * 25.4, 'f', 1)),
                QSizeF(w, h)};
    }

    void addLabels(const RawDiscLabel& raw, std::vector<TemplateLabel>& labels) {
        const double radius = length(raw.radius, "radius");
        const double hole = length(raw.hole, "hole", false);
        const double width = raw.width.isEmpty() ? 2 * radius : length(raw.width, "width");
        const double height = raw.height.isEmpty() ? 2 * radius : length(raw.height, "height");
        if (radius <= 0 || width <= 0 || height <= 0) {
            fail(QStringLiteral("the label has no size"));
        } else if (hole < 0 || hole >= radius) {
            fail(QStringLiteral("the hole is not inside the label"));
        } else if (raw.layouts.empty()) {
            fail(QStringLiteral("no <Layout>"));
        }
        for (const RawLayout& layout : raw.layouts) {
            const int nx = count(layout.nx, "nx");
            const int ny = count(layout.ny, "ny");
            if (labels.size() + static_cast<size_t>(nx) * ny > kMaxLabelsPerSheet) {
                fail(QStringLiteral("more than %1 labels").arg(kMaxLabelsPerSheet));
            }
            const double x0 = length(layout.x0, "x0", false);
            const double y0 = length(layout.y0, "y0", false);
            const double dx = length(layout.dx, "dx", false);
            const double dy = length(layout.dy, "dy", false);
            if (!error_.isEmpty()) {
                return;
            }
            for (int iy = 0; iy < ny; ++iy) {
                for (int ix = 0; ix < nx; ++ix) {
                    labels.push_back(
                        {QRectF(x0 + ix * dx, y0 + iy * dy, width, height), 2 * radius, 2 * hole});
                }
            }
        }
    }

    void checkOnPaper(const std::vector<TemplateLabel>& labels, const QSizeF& paper) {
        const QRectF sheet = QRectF(QPointF(0, 0), paper)
                                 .adjusted(-kPaperEdgeTolerance, -kPaperEdgeTolerance,
                                           kPaperEdgeTolerance, kPaperEdgeTolerance);
        for (size_t i = 0; i < labels.size(); ++i) {
            if (!sheet.contains(labels[i].area)) {
                fail(QStringLiteral("label %1 lies beyond the paper").arg(i + 1));
                return;
            }
        }
    }

    const std::map<QString, PaperSize>& papers_;
    QString error_;
};

class Resolver {
public:
    explicit Resolver(const Collected& collected) : c_(collected) {
        for (size_t i = 0; i < c_.templates.size(); ++i) {
            latest_[{c_.templates[i].brand, c_.templates[i].part}] = i;
        }
    }

    SheetTemplateReading resolve() {
        SheetTemplateReading reading;
        reading.problems = c_.problems;
        SheetBuilder builder(c_.papers);
        for (size_t i = 0; i < c_.templates.size(); ++i) {
            const RawTemplate& t = c_.templates[i];
            if (latest_.at({t.brand, t.part}) != i) {
                continue;  // replaced by a later file
            }
            const RawTemplate* source = original(t, 0);
            if (!source || source->discLabels.empty()) {
                continue;  // not a disc label, or equivalent to something unknown
            }
            std::optional<SheetTemplate> sheet = builder.build(*source);
            if (!sheet) {
                reading.problems << QStringLiteral("%1: skipped template \"%2\": %3")
                                        .arg(t.where(), t.title(), builder.error());
                continue;
            }
            sheet->brand = t.brand;
            sheet->part = t.part;
            if (!t.description.isEmpty()) {
                sheet->description = t.description;
            }
            sheet->file = t.file;
            reading.sheets.push_back(*sheet);
        }
        return reading;
    }

private:
    // The template whose labels this one has: itself, or the one it is an
    // equivalent of.
    const RawTemplate* original(const RawTemplate& t, int depth) const {
        if (t.equiv.isEmpty()) {
            return &t;
        }
        const auto found = latest_.find({t.equivBrand, t.equiv});
        if (found == latest_.end() || depth >= kMaxEquivalentDepth) {
            return nullptr;
        }
        return original(c_.templates[found->second], depth + 1);
    }

    const Collected& c_;
    std::map<ProductKey, size_t> latest_;
};

QStringList TemplateFilesIn(const QString& folder) {
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(
             {QStringLiteral("*.xml"), QStringLiteral("*.template")}, QDir::Files, QDir::Name)) {
        files << dir.filePath(name);
    }
    return files;
}

}  // namespace

std::optional<double> ParseLength(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const double number = m.captured(1).toDouble();
    static const QHash<QString, double> inchesPerUnit{
        {QString(), 1.0 / 72},
        {QStringLiteral("pt"), 1.0 / 72},
        {QStringLiteral("in"), 1.0},
        {QStringLiteral("mm"), 1.0 / 25.4},
        {QStringLiteral("cm"), 1.0 / 2.54},
        {QStringLiteral("pc"), 1.0 / 6},
    };
    const auto unit = inchesPerUnit.find(m.captured(2));
    if (unit == inchesPerUnit.end()) {
        return std::nullopt;
    }
    return number * unit.value();
}

SheetTemplateReading ReadFiles(const QStringList& files) {
    Collected collected;
    collected.papers = KnownPaperSizes();
    // Paper sizes first: a template may name a size that a later file defines.
    for (const QString& file : files) {
        ReadFile(file, collected);
    }
    return Resolver(collected).resolve();
}

SheetTemplateReading ReadFolders(const QStringList& folders) {
    QStringList files;
    for (const QString& folder : folders) {
        files << TemplateFilesIn(folder);
    }
    return ReadFiles(files);
}

}  // namespace SheetTemplateReader

}  // namespace casewright
