#include "print/SheetTemplateReader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>

#include "print/SheetTemplateFolders.h"

namespace casewright {

namespace {

constexpr double kPt = 1.0 / 72;
constexpr double kMm = 1.0 / 25.4;

class SheetTemplateReaderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& xml) {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml);
        return path;
    }

    // A template file with the namespace of the installed database.
    static QByteArray Templates(const QByteArray& body) {
        return "<?xml version=\"1.0\"?>\n<Glabels-templates "
               "xmlns=\"http://glabels.org/xmlns/3.0/\">\n" +
               body + "\n</Glabels-templates>\n";
    }

    static const SheetTemplate* Named(const SheetTemplateReading& r, const QString& part) {
        for (const SheetTemplate& s : r.sheets) {
            if (s.part == part) {
                return &s;
            }
        }
        return nullptr;
    }

    static QString Problems(const SheetTemplateReading& r) {
        return r.problems.join(QLatin1Char('\n'));
    }

    QTemporaryDir dir_;
};

void ExpectRect(const QRectF& actual, const QRectF& expected) {
    EXPECT_NEAR(actual.left(), expected.left(), 1e-9);
    EXPECT_NEAR(actual.top(), expected.top(), 1e-9);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}

}  // namespace

TEST(SheetTemplateLengthTest, EveryUnitTheFormatWrites) {
    const double kNotALength = std::nan("");
    struct Case {
        const char* text;
        double inches;
    };
    const Case cases[] = {
        {"9pt", 9 * kPt},
        {"72", 1},
        {"0.25in", 0.25},
        {"12.7mm", 0.5},
        {"1.27cm", 0.5},
        {"1pc", 1.0 / 6},
        {"0 pt", 0},
        {" 3.5 mm ", 3.5 * kMm},
        {"1e1pt", 10 * kPt},
        {"-2mm", -2 * kMm},
        {".5in", 0.5},
        {"", kNotALength},
        {"mm", kNotALength},
        {"abc", kNotALength},
        {"3 furlongs", kNotALength},
        {"1.2.3mm", kNotALength},
        {"2 MM", kNotALength},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> length = SheetTemplateReader::ParseLength(c.text);
        if (std::isnan(c.inches)) {
            EXPECT_FALSE(length);
        } else {
            ASSERT_TRUE(length);
            EXPECT_NEAR(*length, c.inches, 1e-12);
        }
    }
}

// Every attribute and form a CD template uses, with the units mixed as the
// database mixes them, an equivalent, an alias, a paper size of its own and
// one defined by a paper size file; other label shapes are no disc labels.
TEST_F(SheetTemplateReaderTest, ReadsDiscTemplatesInEveryForm) {
    write("paper-sizes.xml", R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <Paper-size id="Square" _name="Square paper" pwg_size="x" width="20cm" height="200mm"/>
</Glabels-paper-sizes>)");
    write("shop-templates.xml", Templates(R"(
  <Template brand="Shop" part="3-up" size="A4" _description="Three discs">
    <Meta category="media"/>
    <Label-cd id="0" radius="58.5mm" hole="0.3345in" waste="1mm">
      <Markup-margin size="9pt"/>
      <Layout nx="1" ny="1" x0="46.5mm" y0="5mm" dx="0" dy="0"/>
      <Layout nx="0x2" ny="1" x0="0.5cm" y0="150mm" dx="8.5cm" dy="0 pt"/>
    </Label-cd>
  </Template>
  <Template brand="Shop" part="3-up B" equiv="3-up"/>
  <Template brand="Shop" part="Card" size="Square" description="Card discs">
    <Alias brand="Other Shop" part="C1"/>
    <Label-cd id="0" radius="108" width="2.375in" height="6cm" hole="17">
      <Layout nx="2" ny="1" x0="20" y0="1in" dx="3in"/>
    </Label-cd>
  </Template>
  <Template brand="Shop" part="Tray" size="Other" width="135mm" height="295mm">
    <Label-cd id="0" radius="59mm" hole="11mm">
      <Layout nx="1" ny="1" x0="5.6mm" y0="58.5mm"/>
    </Label-cd>
  </Template>
  <Template brand="Shop" part="Address" size="A4" _description="Address labels">
    <Label-rectangle id="0" width="70mm" height="30mm">
      <Layout nx="3" ny="9" x0="0" y0="0" dx="70mm" dy="30mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Shop" part="Address B" equiv="Address"/>)"));

    const SheetTemplateReading r = SheetTemplateReader::ReadFolders({dir_.path()});
    EXPECT_TRUE(r.problems.isEmpty()) << Problems(r).toStdString();
    QSet<QString> names;
    for (const SheetTemplate& s : r.sheets) {
        names << s.stockName();
    }
    EXPECT_EQ(names,
              QSet<QString>({"Shop 3-up - Three discs", "Shop 3-up B - Three discs",
                             "Shop Card - Card discs", "Other Shop C1 - Card discs", "Shop Tray"}));

    const SheetTemplate* three = Named(r, "3-up");
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->paperName, "A4");
    ASSERT_EQ(three->labels.size(), 3u);
    // Numbered in reading order: the top label, then the two below it.
    const double d = 117 * kMm;
    ExpectRect(three->labels[0].area, QRectF(46.5 * kMm, 5 * kMm, d, d));
    ExpectRect(three->labels[1].area, QRectF(5 * kMm, 150 * kMm, d, d));
    ExpectRect(three->labels[2].area, QRectF(90 * kMm, 150 * kMm, d, d));
    EXPECT_NEAR(three->labels[0].diameter, d, 1e-9);
    EXPECT_NEAR(three->labels[0].hubDiameter, 0.669, 1e-9);
    ExpectRect(three->labels[2].disc(), three->labels[2].area);

    const SheetTemplate* equivalent = Named(r, "3-up B");
    ASSERT_NE(equivalent, nullptr);
    ASSERT_EQ(equivalent->labels.size(), 3u);
    ExpectRect(equivalent->labels[2].area, three->labels[2].area);

    // A disc cut to a card: the area is narrower than the disc, which is
    // centred on it.
    const SheetTemplate* card = Named(r, "Card");
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->paperName, "Square paper");
    EXPECT_NEAR(card->paperSize.width(), 200 * kMm, 1e-9);
    ASSERT_EQ(card->labels.size(), 2u);
    ExpectRect(card->labels[1].area, QRectF(20 * kPt + 3, 1, 2.375, 60 * kMm));
    ExpectRect(card->labels[1].disc(),
               QRectF(card->labels[1].area.center() - QPointF(1.5, 1.5), QSizeF(3, 3)));
    EXPECT_NEAR(card->labels[1].hubDiameter, 34 * kPt, 1e-9);
    const SheetTemplate* alias = Named(r, "C1");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->brand, "Other Shop");
    EXPECT_EQ(alias->labels.size(), 2u);

    const SheetTemplate* tray = Named(r, "Tray");
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->paperName, "135.0 x 295.0 mm");
    EXPECT_NEAR(tray->paperSize.height(), 295 * kMm, 1e-9);
    ExpectRect(tray->labels[0].area, QRectF(5.6 * kMm, 58.5 * kMm, 118 * kMm, 118 * kMm));
}

// A template that cannot be understood is left out and named; the rest of
// its file is read. A file that is not XML at all is left out as a whole.
TEST_F(SheetTemplateReaderTest, UnusableTemplatesAreSkippedAndNamed) {
    struct Case {
        const char* what;
        QByteArray label;  // the broken template's <Label-cd>, or a whole element
        const char* reason;
    };
    const Case cases[] = {
        {"no radius", R"(<Label-cd hole="1mm"><Layout nx="1" ny="1"/></Label-cd>)", "no radius"},
        {"a radius in furlongs",
         R"(<Label-cd radius="2 furlongs" hole="1mm"><Layout nx="1" ny="1"/></Label-cd>)",
         "is not a length"},
        {"a hole as wide as the disc",
         R"(<Label-cd radius="10mm" hole="10mm"><Layout nx="1" ny="1"/></Label-cd>)",
         "the hole is not inside the label"},
        {"no layout", R"(<Label-cd radius="10mm" hole="1mm"/>)", "no <Layout>"},
        {"no labels across",
         R"(<Label-cd radius="10mm" hole="1mm"><Layout nx="0" ny="1"/></Label-cd>)",
         "is not a count"},
        {"a million labels",
         R"(<Label-cd radius="1mm" hole="0"><Layout nx="1000" ny="1000"/></Label-cd>)",
         "more than 1000 labels"},
        {"a label off the paper",
         R"(<Label-cd radius="58mm" hole="8mm"><Layout nx="1" ny="3" dy="120mm"/></Label-cd>)",
         "label 3 lies beyond the paper"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        QFile file(folder.filePath("t.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Templates(R"(<Template brand="B" part="Good" size="A4">
            <Label-cd radius="58mm" hole="8mm"><Layout nx="1" ny="1"/></Label-cd></Template>
            <Template brand="B" part="Broken" size="A4">)" +
                             c.label + "</Template>"));
        file.close();
        const SheetTemplateReading r = SheetTemplateReader::ReadFolders({folder.path()});
        ASSERT_EQ(r.sheets.size(), 1u);
        EXPECT_EQ(r.sheets[0].part, "Good");
        ASSERT_EQ(r.problems.size(), 1);
        EXPECT_TRUE(r.problems[0].contains("\"B Broken\"")) << r.problems[0].toStdString();
        EXPECT_TRUE(r.problems[0].contains(c.reason)) << r.problems[0].toStdString();
    }

    write("a/unknown-paper.xml", Templates(R"(<Template brand="B" part="P" size="Z9">
        <Label-cd radius="58mm" hole="8mm"><Layout nx="1" ny="1"/></Label-cd></Template>)"));
    write("a/torn.xml", Templates(R"(<Template brand="B" part="Torn" size="A4">
        <Label-cd radius="58mm" hole="8mm"><Layout nx="1" ny="1"/>)")
                            .left(200));
    write("a/other.xml", "<html><body>not a template</body></html>");
    const SheetTemplateReading r = SheetTemplateReader::ReadFolders({dir_.filePath("a")});
    EXPECT_TRUE(r.sheets.empty());
    ASSERT_EQ(r.problems.size(), 3) << Problems(r).toStdString();
    EXPECT_TRUE(Problems(r).contains("other.xml: skipped, not a label template file"));
    EXPECT_TRUE(Problems(r).contains("torn.xml:")) << Problems(r).toStdString();
    EXPECT_TRUE(Problems(r).contains("not well-formed XML"));
    EXPECT_TRUE(Problems(r).contains("unknown paper size \"Z9\""));
}

// The user's own folder is read last: a product of the same brand and part
// replaces the installed one, and a sheet of its own may stand in a file
// with just a <Template>.
TEST_F(SheetTemplateReaderTest, ALaterFolderCorrectsAnEarlierOne) {
    write("system/x-templates.xml", Templates(R"(<Template brand="B" part="P" size="A4">
        <Label-cd radius="58mm" hole="8mm"><Layout nx="1" ny="2" dy="140mm"/></Label-cd>
        </Template>)"));
    write("user/mine.template", R"(<?xml version="1.0"?>
<Template brand="B" part="P" size="US-Letter" description="corrected">
  <Label-cd radius="58mm" hole="20mm"><Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-cd>
</Template>)");
    const SheetTemplateReading r = SheetTemplateReader::ReadFolders(
        {dir_.filePath("system"), dir_.filePath("missing"), dir_.filePath("user")});
    EXPECT_TRUE(r.problems.isEmpty()) << Problems(r).toStdString();
    ASSERT_EQ(r.sheets.size(), 1u);
    EXPECT_EQ(r.sheets[0].description, "corrected");
    EXPECT_EQ(r.sheets[0].paperName, "US Letter");
    EXPECT_EQ(r.sheets[0].labels.size(), 1u);
    EXPECT_NEAR(r.sheets[0].labels[0].hubDiameter, 40 * kMm, 1e-9);
}

// The example of the manual is a sheet the reader understands, as the
// manual says it is.
TEST_F(SheetTemplateReaderTest, TheManualsExampleSheet) {
    QFile manual(QStringLiteral(CASEWRIGHT_SOURCE_DIR "/resources/help/printing.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    const int start = page.indexOf("&lt;?xml");
    const int end = page.indexOf("</code>", start);
    ASSERT_GT(start, 0);
    QString xml = page.mid(start, end - start);
    xml.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    write("manual/example.xml", xml.toUtf8());

    const SheetTemplateReading r = SheetTemplateReader::ReadFolders({dir_.filePath("manual")});
    EXPECT_TRUE(r.problems.isEmpty()) << Problems(r).toStdString();
    ASSERT_EQ(r.sheets.size(), 2u);
    for (const SheetTemplate& sheet : r.sheets) {
        SCOPED_TRACE(sheet.part.toStdString());
        ASSERT_EQ(sheet.labels.size(), 3u);
        EXPECT_NEAR(sheet.labels[0].diameter, 116 * kMm, 1e-9);
        EXPECT_NEAR(sheet.labels[0].hubDiameter, 41 * kMm, 1e-9);
        EXPECT_LT(sheet.labels[1].area.left(), sheet.labels[0].area.left()) << "label 2 is left";
    }
    EXPECT_TRUE(page.contains("<i>" + r.sheets[0].stockName().replace("&", "&amp;") + "</i>"))
        << r.sheets[0].stockName().toStdString();
}

// The gLabels template database as Debian installs it: more than 140 CD and
// DVD products of 34 brands, every one understood, and a few products where
// their XML puts them.
TEST_F(SheetTemplateReaderTest, TheInstalledDatabase) {
    const QString database = QStringLiteral("/usr/share/libglabels-3.0/templates");
    if (!QDir(database).exists()) {
        GTEST_SKIP() << "glabels-data is not installed (scripts/install-deps.sh installs it)";
    }
    EXPECT_TRUE(SheetTemplateFolders::Installed().contains(database));
    const SheetTemplateReading r = SheetTemplateReader::ReadFolders({database});
    EXPECT_TRUE(r.problems.isEmpty()) << Problems(r).toStdString();
    EXPECT_GT(r.sheets.size(), 140u);
    QSet<QString> brands;
    for (const SheetTemplate& s : r.sheets) {
        brands << s.brand;
    }
    EXPECT_GE(brands.size(), 34);

    struct Product {
        const char* part;
        size_t labels;
        int label;  // 1-based
        QRectF area;
        double diameter;
        double hub;
        const char* paper;
    };
    const Product products[] = {
        // <Label-cd radius="2.3125in" hole="0.8125in">, <Layout nx="1" ny="2" x0="1.9375in"
        // y0="0.6875in" dx="0" dy="5in"/>, and an equivalent of it.
        {"5931-Disc", 2, 2, QRectF(1.9375, 5.6875, 4.625, 4.625), 4.625, 1.625, "US Letter"},
        {"8691-Disc", 2, 1, QRectF(1.9375, 0.6875, 4.625, 4.625), 4.625, 1.625, "US Letter"},
        // <Label-cd radius="58mm" hole="22mm">, two layouts: (83mm, 25mm) and (11mm, 156mm).
        {"CD13 (medium)", 2, 2, QRectF(11 * kMm, 156 * kMm, 116 * kMm, 116 * kMm), 116 * kMm,
         44 * kMm, "A4"},
        // <Label-cd radius="108" width="171" hole="58">, <Layout nx="3" ny="3" x0="36.5"
        // y0="54" dx="184.5" dy="234"/>: the sixth label is the third of the second row.
        {"HandiCD-R", 9, 6, QRectF((36.5 + 2 * 184.5) * kPt, (54 + 234) * kPt, 171 * kPt, 3), 3,
         116 * kPt, "US Letter"},
        // size="Other" width="135mm" height="295mm", <Layout x0="5.6mm" y0="58.5mm">.
        {"MX920 CD Tray", 1, 1, QRectF(5.6 * kMm, 58.5 * kMm, 118 * kMm, 118 * kMm), 118 * kMm,
         22 * kMm, "135.0 x 295.0 mm"},
    };
    for (const Product& p : products) {
        SCOPED_TRACE(p.part);
        const SheetTemplate* sheet = Named(r, p.part);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->paperName, p.paper);
        ASSERT_EQ(sheet->labels.size(), p.labels);
        const TemplateLabel& label = sheet->labels[static_cast<size_t>(p.label - 1)];
        EXPECT_NEAR(label.area.left(), p.area.left(), 1e-6);
        EXPECT_NEAR(label.area.top(), p.area.top(), 1e-6);
        EXPECT_NEAR(label.area.width(), p.area.width(), 1e-6);
        EXPECT_NEAR(label.area.height(), p.area.height(), 1e-6);
        EXPECT_NEAR(label.diameter, p.diameter, 1e-6);
        EXPECT_NEAR(label.hubDiameter, p.hub, 1e-6);
    }
}

}  // namespace casewright
