#include "data/handover.h"
#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screennames.h"

#include <QTest>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

const QString Mars = u"Mars"_s;

// Account 1 with the default categories and one payment under MAISON in March.
class CategoryScreen : public GuiTest {
protected:
    CategoryScreen() {
        standIn({screen::MenuTirelou});
        data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3), French);
        data.addRow(Mars, {{field::Reste, u"100"_s}});
        data.addRow(Mars,
                    {{field::Rubriques, u"MAISON"_s}, {field::Libelle, u"LOYER"_s}, {field::Poste, u"X"_s}});
        month_ = data.rows(Mars);
    }
    ui::InputField* field(const QString& name) const { return child<ui::InputField>(name); }
    ui::ListBox* list(const QString& name) const { return child<ui::ListBox>(name); }
    QStringList names(const QString& table) {
        QStringList out;
        for (const Row& r : data.rows(table))
            out << r.value(field::Rubrique);
        return out;
    }
    // The start state: only the letter field and its prompt among the inputs.
    void expectStartState() {
        EXPECT_TRUE(shown(u"Text2"_s));
        EXPECT_TRUE(field(u"Text2"_s)->text().isEmpty());
        EXPECT_TRUE(field(u"Text2"_s)->hasFocus());
        for (const QString& n : {u"Text1"_s, u"Text3"_s, u"Label2"_s, u"Label3"_s, u"List1"_s, u"List2"_s})
            EXPECT_FALSE(shown(n)) << n.toStdString();
        EXPECT_EQ(label(u"Label4"_s), u"M = Modifier  A=Ajouter E= Effacer une Rubrique"_s);
        EXPECT_EQ(data.rows(Mars), month_); // no change of category reaches the month
    }

    QList<Row> month_;
};

TEST_F(CategoryScreen, FrenchRenameAddEraseWithClicksAndEnter) {
    open(screen::RubriqueVoir);
    EXPECT_EQ(current()->caption(), u"Changer de Rubriques"_s);
    EXPECT_EQ(label(u"Label1"_s), u" Tirelou Familial "_s);
    EXPECT_EQ(toolbarCaptions(), u"QUITTER"_s);
    EXPECT_EQ(field(u"Text2"_s)->accessibleName(), u"M = Modifier A=Ajouter E= Effacer une Rubrique"_s);
    expectStartState();

    Enter(field(u"Text2"_s), u"M"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Modification de Rubrique"_s);
    ASSERT_TRUE(shown(u"List1"_s));
    EXPECT_EQ(list(u"List1"_s)->count(), 10);
    ClickListItem(list(u"List1"_s), 4);
    EXPECT_EQ(handOver(handover::Lire), u" 4 "_s);
    EXPECT_EQ(label(u"Label2"_s), u"MAISON"_s);
    ASSERT_TRUE(shown(u"Text1"_s));
    EXPECT_EQ(field(u"Text1"_s)->text(), u"MAISON"_s);
    field(u"Text1"_s)->clear();
    Enter(field(u"Text1"_s), u"logement"_s);
    QStringList expected = DefaultFrenchCategories();
    expected[4] = u"LOGEMENT"_s;
    EXPECT_EQ(names(table::Rubriques), expected);
    expectStartState();

    Enter(field(u"Text2"_s), u"A"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Nom de la Rubrique"_s);
    Enter(field(u"Text3"_s), u"  Animaux "_s);
    expected << u"Animaux"_s;
    EXPECT_EQ(names(table::Rubriques), expected);
    expectStartState();

    Enter(field(u"Text2"_s), u"E"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Rubrique à Effacer"_s);
    ASSERT_TRUE(shown(u"List2"_s));
    ASSERT_EQ(list(u"List2"_s)->count(), 11);
    EXPECT_EQ(list(u"List2"_s)->itemText(10), u"Animaux"_s);
    ClickListItem(list(u"List2"_s), 0);
    expected.removeFirst();
    EXPECT_EQ(names(table::Rubriques), expected);
    EXPECT_EQ(names(table::Rubriqueseng), DefaultEnglishCategories());
    expectStartState();
    EXPECT_TRUE(messages().isEmpty());

    clickToolbar(1);
    settle(0);
    EXPECT_EQ(currentName(), screen::MenuTirelou);
}

TEST_F(CategoryScreen, EnglishKeyboardOnlyChangesTheEnglishList) {
    data.setLanguage(English);
    open(screen::RubriqueVoir);
    EXPECT_EQ(current()->caption(), u"To change Categories"_s);
    EXPECT_EQ(label(u"Label1"_s), u" Domestic Tirelou "_s);
    EXPECT_EQ(toolbarCaptions(), u"To LEAVE"_s);
    EXPECT_EQ(label(u"Label4"_s), u"M = Modifier  A=Ajouter E= Effacer une Rubrique"_s);

    Enter(field(u"Text2"_s), u"M"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Modification of Category"_s);
    ui::ListBox* rename = list(u"List1"_s);
    ASSERT_TRUE(rename->hasFocus());
    QTest::keyClick(rename, Qt::Key_Down);
    QTest::keyClick(rename, Qt::Key_Down);
    QTest::keyClick(rename, Qt::Key_Return); // CLOTHING
    EXPECT_EQ(label(u"Label2"_s), u"CLOTHING"_s);
    ASSERT_TRUE(field(u"Text1"_s)->hasFocus());
    Type(field(u"Text1"_s), u"clothes"_s); // typed over the selected name, in capitals
    PressEnter(field(u"Text1"_s));
    QStringList expected = DefaultEnglishCategories();
    expected[2] = u"CLOTHES"_s;
    EXPECT_EQ(names(table::Rubriqueseng), expected);

    Enter(field(u"Text2"_s), u"A"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Name of the Category"_s);
    ASSERT_TRUE(field(u"Text3"_s)->hasFocus());
    EXPECT_EQ(field(u"Text3"_s)->accessibleName(), u"Name of the Category"_s);
    Enter(field(u"Text3"_s), u"HOUSE"_s); // a second HOUSE is accepted
    expected << u"HOUSE"_s;
    EXPECT_EQ(names(table::Rubriqueseng), expected);

    Enter(field(u"Text2"_s), u"E"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Category to Erase"_s);
    ui::ListBox* erase = list(u"List2"_s);
    ASSERT_TRUE(erase->hasFocus());
    QTest::keyClick(erase, Qt::Key_End);
    QTest::keyClick(erase, Qt::Key_Return); // the second HOUSE
    expected.removeLast();
    EXPECT_EQ(names(table::Rubriqueseng), expected);
    EXPECT_EQ(names(table::Rubriques), DefaultFrenchCategories());
    expectStartState();

    // Escape leaves a list with nothing erased.
    Enter(field(u"Text2"_s), u"E"_s);
    QTest::keyClick(list(u"List2"_s), Qt::Key_Escape);
    expectStartState();
    EXPECT_EQ(names(table::Rubriqueseng), expected);
}

TEST_F(CategoryScreen, EmptyNamesAreRefusedInEachLanguageAndOtherLettersIgnored) {
    for (const QString& language : {French, English}) {
        data.setLanguage(language);
        open(screen::RubriqueVoir);
        ui::MessageBox::clearRecorded();

        Enter(field(u"Text2"_s), u"A"_s);
        Enter(field(u"Text3"_s), u"   "_s);
        Enter(field(u"Text2"_s), u"M"_s);
        ClickListItem(list(u"List1"_s), 3);
        field(u"Text1"_s)->clear();
        PressEnter(field(u"Text1"_s));

        const QString why = language == French
                                ? u"Une rubrique doit avoir un nom : rien n'a été enregistré."_s
                                : u"A category must have a name: nothing was recorded."_s;
        ASSERT_EQ(messages().size(), 2);
        EXPECT_EQ(messages()[0].text, why);
        EXPECT_EQ(messages()[1].text, why);
        EXPECT_EQ(messages()[1].title,
                  language == French ? u"Changer de Rubriques"_s : u"To change Categories"_s);
        expectStartState();

        // Lower case, other letters and a leading blank are no action.
        for (const QString& letter : {u"m"_s, u"a"_s, u"e"_s, u"X"_s, u" M"_s}) {
            field(u"Text2"_s)->clear();
            Enter(field(u"Text2"_s), letter);
            EXPECT_FALSE(shown(u"Label3"_s)) << letter.toStdString();
            EXPECT_FALSE(shown(u"List1"_s));
            EXPECT_FALSE(shown(u"Text3"_s));
        }
        EXPECT_EQ(names(table::Rubriques), DefaultFrenchCategories());
        EXPECT_EQ(names(table::Rubriqueseng), DefaultEnglishCategories());
    }
}

} // namespace
