#include "data/handover.h"
#include "reports/yearfile.h"
#include "reportstest.h"
#include "ui/screennames.h"

using namespace tirelou;
using namespace tirelou::test;

namespace {

class YearScreen : public ReportScreens {
protected:
    ui::InputField* field(const QString& name) const { return child<ui::InputField>(name); }
    ui::ListBox* list(const QString& name) const { return child<ui::ListBox>(name); }
    // Types over what the field offers, then Enter.
    void answer(const QString& name, const QString& typed) {
        ui::InputField* f = field(name);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(f->isVisible()) << name.toStdString() << " is hidden";
        Enter(f, typed);
    }
    bool viewsEnabled() const {
        for (int b : {2, 3, 5, 6})
            if (!toolbar()->isButtonEnabled(b))
                return false;
        return true;
    }
    Row entry(const QString& category, const QString& label, const QString& number, const QString& price,
              const QString& kind) {
        return {{field::Rubriques, category}, {field::Libelle, label},        {field::NumCheque, number},
                {field::Prix, price},         {field::Date, u"05/01/2026"_s}, {field::Poste, kind}};
    }
};

} // namespace

TEST_F(YearScreen, TheCurrentYearByTotalsAndByCategoryFromTheMenuAndItsPrintout) {
    loginTo(French);
    Row first = entry(u"MAISON"_s, u"LOYER"_s, u"1234"_s, u"300"_s, u"X"_s);
    first.insert(field::Montant, u"1000"_s);
    data.addRow(u"Janvier"_s, first);
    data.addRow(u"Mars"_s,
                entry(u"MAISON"_s, u"EDF"_s, u"PRELEVEMENT"_s, Pair(u"20"_s, 20, u"200"_s), u"P"_s));
    data.addRow(u"Mars"_s, entry(u"MAISON"_s, u"TOITURE"_s, u"PREVISION"_s, u"75"_s, u"R"_s));
    data.addRow(u"Mars"_s, entry(u"LOISIRS"_s, u"CINEMA"_s, u"CARTE"_s, u"12,5"_s, u"C"_s));
    data.addRow(u"Decembre"_s, {{field::MontPrecedent, u"600"_s}});

    open(screen::MenuTirelou);
    clickToolbar(9);
    ASSERT_EQ(currentName(), screen::VoirDouze);
    EXPECT_EQ(current()->caption(), u"Voir l'année"_s);
    EXPECT_EQ(frame->caption(), u"TIRELOU"_s);
    EXPECT_EQ(label(u"Label1"_s), u" Tirelou Familial "_s);
    EXPECT_EQ(label(u"Label3"_s), u"E = En Cours / A = Archives"_s);
    EXPECT_FALSE(viewsEnabled());
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s));
    answer(u"Text1"_s, u"e"_s);
    EXPECT_TRUE(viewsEnabled());
    EXPECT_FALSE(shown(u"Label3"_s));
    HandOverReader encour(data.ctx(), handover::Encour);
    EXPECT_EQ(encour.line(), u"ENCOUR"_s);

    clickToolbar(2);
    EXPECT_EQ(label(u"Label2"_s), u"Compte  7 Année 2026"_s);
    const QStringList rows = gridRows();
    EXPECT_EQ(rows.mid(0, 2),
              (QStringList{u"INTITULE|NUMERO PAIEMENT|DATE|MONTANT"_s, u"MOIS DE  Janvier|||"_s}));
    EXPECT_TRUE(rows.contains(u"LOYER      |1234|05/01/2026|300.00 €"_s));
    EXPECT_TRUE(rows.contains(u"EDF      |PRELEVEMENT|05/01/2026|20.00 €"_s));
    EXPECT_FALSE(rows.filter(u"TOITURE"_s).size());
    EXPECT_EQ(
        rows.mid(rows.size() - 3),
        (QStringList{u"Total Des Dépenses Generales|Pour L'Année 2026||332.50 €"_s,
                     u"Total Des Revenus de L'année|||1 000.00 €"_s, u"Reste sur le Compte|||1 267.50 €"_s}));

    clickToolbar(6);
    const QStringList pages = printedPages(pdfOfLastMessage());
    if (!pages.isEmpty()) {
        EXPECT_GT(pages.size(), 2);
        for (const QString& page : pages)
            EXPECT_TRUE(page.trimmed().startsWith(u"INTITULE"_s)) << page.left(80).toStdString();
        EXPECT_TRUE(pages.last().contains(u"Total Des Dépenses Generales Pour L'Année 2026"_s));
        const QString edf = pages.join(u'\n').split(u'\n').filter(u"EDF"_s).value(0);
        EXPECT_LT(edf.indexOf(u"05/01/2026"_s), edf.indexOf(u"PRELEVEMENT"_s)); // date before number on paper
    }

    clickToolbar(3);
    ASSERT_TRUE(shown(u"List1"_s));
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s));
    ClickListItem(list(u"List1"_s), 4);
    EXPECT_EQ(label(u"Label2"_s), u"Rubrique MAISON Compte 7 Année 2026"_s);
    const QStringList house = gridRows();
    EXPECT_EQ(house.value(1), u"MOIS DE  JANVIER|||"_s);
    EXPECT_TRUE(house.contains(u"Total Des Dépenses de la Rubrique|||20.00 €"_s));
    EXPECT_EQ(house.last(), u"Total Des Dépenses Generales|Pour L'Année 2026||320.00 €"_s);

    clickToolbar(1);
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_TRUE(CurrentYearOpen(data.ctx()));
}

TEST_F(YearScreen, AnArchivedYearInEnglishAndAYearThatIsNotThere) {
    loginTo(English, [this] {
        Row rent = entry(u"HOUSE"_s, u"RENT"_s, u"99"_s, u"400"_s, u"X"_s);
        rent.insert(field::Montant, u"900"_s);
        data.addRow(u"January"_s, rent);
    });
    open(screen::VoirDouze);
    EXPECT_EQ(current()->caption(), u"To see the year"_s);
    EXPECT_EQ(label(u"Label3"_s), u"E = In progress / A = Archives"_s);
    EXPECT_EQ(toolbar()->caption(2), u"Total"_s);
    EXPECT_EQ(toolbar()->caption(3), u"Categories"_s);
    EXPECT_EQ(toolbar()->caption(4), u"Following"_s);
    answer(u"Text1"_s, u"a"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Année de L'Archive"_s);
    EXPECT_EQ(field(u"Text2"_s)->text(), u"2026"_s);
    answer(u"Text2"_s, u"2019"_s);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().text.startsWith(u"The account has no file for the year 2019"_s));
    EXPECT_TRUE(shown(u"Text1"_s)); // asked again
    EXPECT_FALSE(viewsEnabled());
    EXPECT_TRUE(CurrentYearOpen(data.ctx()));

    answer(u"Text1"_s, u"A"_s);
    answer(u"Text2"_s, u"2024"_s);
    EXPECT_TRUE(viewsEnabled());
    EXPECT_TRUE(inArchives());
    clickToolbar(2);
    EXPECT_EQ(label(u"Label2"_s), u"Account  7 Year 2024"_s);
    const QStringList rows = gridRows();
    EXPECT_EQ(rows.value(0), u"TITLE|NUMBER PAYMENT|DATE|GOING UP"_s);
    EXPECT_TRUE(rows.contains(u"RENT      |99|05/01/2026|400.00 €"_s));
    EXPECT_EQ(
        rows.mid(rows.size() - 3),
        (QStringList{u"Total Of the General Expenses|For The year 2024||400.00 €"_s,
                     u"Total Of Incomes of The year|||900.00 €"_s, u"Remain on the Account|||500.00 €"_s}));
    HandOverReader lire(data.ctx(), handover::Lire);
    EXPECT_EQ(lire.item(), u"ARCHIVE"_s);

    clickToolbar(3);
    EXPECT_TRUE(shown(u"List2"_s));
    EXPECT_FALSE(shown(u"List1"_s));
    ClickListItem(list(u"List2"_s), 4);
    EXPECT_EQ(label(u"Label2"_s), u"Category HOUSE Account 7 Year 2024"_s);
    EXPECT_EQ(gridRows().value(1), u"MONTH OF  JANUARY|||"_s);
    EXPECT_EQ(gridRows().last(), u"Total Of the General Expenses|For The year 2024||400.00 €"_s);

    clickToolbar(4);
    EXPECT_TRUE(shown(u"Text1"_s));
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s));
    clickToolbar(1);
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_TRUE(CurrentYearOpen(data.ctx()));
}
