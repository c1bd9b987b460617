#include "closing/rubriquevoir.h"

#include "closing/categories.h"
#include "data/handover.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou {
namespace {

constexpr ui::Caption kCaption{u"Changer de Rubriques", u"To change Categories"};
constexpr ui::Caption kActions{u"M = Modifier  A=Ajouter E= Effacer une Rubrique",
                               u"M = Modifier  A=Ajouter E= Effacer une Rubrique"};
constexpr ui::Caption kRenameTitle{u"Modification de Rubrique", u"Modification of Category"};
constexpr ui::Caption kAddTitle{u"Nom de la Rubrique", u"Name of the Category"};
constexpr ui::Caption kEraseTitle{u"Rubrique à Effacer", u"Category to Erase"};
constexpr ui::Caption kEmptyName{u"Une rubrique doit avoir un nom : rien n'a été enregistré.",
                                 u"A category must have a name: nothing was recorded."};
constexpr ui::Caption kButtons[] = {{u"QUITTER", u"To LEAVE"}};

enum Button { Leave = 1 };

ui::InputField* Field(QWidget* parent, const QString& name, bool upperCase) {
    auto* field = ui::Named<ui::InputField>(parent, name);
    field->setUpperCase(upperCase);
    return field;
}

} // namespace

RubriqueVoir::RubriqueVoir(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* banner = makeTitle(ui::TitleCaption);
    banner->setAlignment(Qt::AlignCenter);
    label4_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("prompt"));
    label3_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("heading"));
    label2_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("line"));
    keepCaptioned(label4_, kActions);
    // The action letter is taken as typed: a lower-case letter is no action.
    text2_ = Field(this, QStringLiteral("Text2"), false);
    text1_ = Field(this, QStringLiteral("Text1"), true);
    text3_ = Field(this, QStringLiteral("Text3"), false); // stored in the case typed
    label4_->setBuddy(text2_);
    label2_->setBuddy(text1_);
    label3_->setBuddy(text3_);
    text2_->setMaximumWidth(text2_->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")));
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    list2_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List2"));

    connect(text2_, &ui::InputField::entered, this, &RubriqueVoir::onAction);
    connect(text1_, &ui::InputField::entered, this, &RubriqueVoir::onNewName);
    connect(text3_, &ui::InputField::entered, this, &RubriqueVoir::onAddName);
    connect(list1_, &ui::ListBox::itemChosen, this, &RubriqueVoir::onRenameChosen);
    connect(list2_, &ui::ListBox::itemChosen, this, &RubriqueVoir::onEraseChosen);
    // Escape leaves a list without changing anything.
    connect(list1_, &ui::ListBox::cancelled, this, &RubriqueVoir::startState);
    connect(list2_, &ui::ListBox::cancelled, this, &RubriqueVoir::startState);

    auto* action = new QHBoxLayout;
    action->addStretch(1);
    action->addWidget(label4_);
    action->addWidget(text2_);
    action->addStretch(1);
    auto* rename = new QHBoxLayout;
    rename->addWidget(label2_);
    rename->addWidget(text1_, 1);

    body()->addWidget(banner);
    body()->addSpacing(6);
    body()->addLayout(action);
    body()->addWidget(label3_, 0, Qt::AlignHCenter);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addWidget(list2_, 1, Qt::AlignHCenter);
    body()->addLayout(rename);
    body()->addWidget(text3_);
    body()->addStretch(0);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &RubriqueVoir::onToolbar);
}

void RubriqueVoir::load() {
    startState();
    applyScale();
}

void RubriqueVoir::startState() {
    readLanguage();
    for (QWidget* w : std::initializer_list<QWidget*>{text1_, text3_, label2_, label3_, list1_, list2_})
        w->hide();
    text1_->clear();
    text3_->clear();
    text2_->clear();
    text2_->show();
    text2_->setFocus();
}

void RubriqueVoir::onAction() {
    const QString letter = text2_->text().left(1).trimmed();
    ui::CategoryListBox* list = nullptr;
    if (letter == QLatin1String("M")) {
        label3_->setText(text(kRenameTitle));
        list = list1_;
    } else if (letter == QLatin1String("A")) {
        label3_->setText(text(kAddTitle));
    } else if (letter == QLatin1String("E")) {
        label3_->setText(text(kEraseTitle));
        list = list2_;
    } else {
        return; // no action: the letter may be typed again
    }
    for (QWidget* w : std::initializer_list<QWidget*>{text1_, text3_, label2_, list1_, list2_})
        w->hide();
    label3_->show();
    if (!list) {
        text3_->clear();
        text3_->show();
        text3_->setFocus();
        return;
    }
    guarded([this] { LoadCategories(ctx()); });
    list->fill(ctx());
    list->show();
    list->setFocus();
    if (list->count() > 0)
        list->setCurrentRow(0);
}

bool RubriqueVoir::handIndex(int index) {
    return guarded([&] { WriteHandOver(ctx(), handover::Lire, {static_cast<double>(index)}); });
}

int RubriqueVoir::handedIndex() const {
    HandOverReader reader(ctx(), handover::Lire);
    const double index = reader.numberItem();
    return reader.ok() ? static_cast<int>(index) : -1;
}

void RubriqueVoir::onRenameChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (index < 0 || !handIndex(index))
        return;
    if (!guarded([this] { LoadCategories(ctx()); }))
        return;
    const QString name = ctx().categoryList.value(handedIndex());
    label2_->setText(name);
    label2_->show();
    ui::ShowInput(text1_, name);
}

void RubriqueVoir::onNewName() {
    text1_->hide();
    const int index = handedIndex();
    CategoryChange done = CategoryChange::Done;
    if (!guarded([&] { done = RenameCategory(ctx(), index, text1_->text()); }))
        return startState();
    if (done == CategoryChange::EmptyName)
        return refuseEmpty();
    startState();
}

void RubriqueVoir::onAddName() {
    text3_->hide();
    CategoryChange done = CategoryChange::Done;
    if (!guarded([&] { done = AddCategory(ctx(), text3_->text()); }))
        return startState();
    if (done == CategoryChange::EmptyName)
        return refuseEmpty();
    startState();
}

void RubriqueVoir::onEraseChosen(int row) {
    const int index = list2_->categoryIndex(row);
    if (index < 0 || !handIndex(index))
        return;
    guarded([&] { EraseCategory(ctx(), handedIndex()); });
    startState();
}

void RubriqueVoir::refuseEmpty() {
    message(text(kEmptyName), text(kCaption), ui::MessageIcon::Stop);
    startState();
}

void RubriqueVoir::onToolbar(int index) {
    if (index == Leave)
        open(screen::MenuTirelou);
}

} // namespace tirelou
