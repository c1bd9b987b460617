#include "month/transfert.h"

#include "data/handover.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "month/transfer.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Transfert de Paiement", u"Transfer of Payment"};
constexpr ui::Caption kInstruction{u"Vers Quelle Rubrique Le Transfert",
                                   u"Toward What Category The Transfer"};
constexpr ui::Caption kNotFound{u"Ce paiement n'existe plus dans sa rubrique : rien n'a été transféré.",
                                u"This payment is no longer in its category: nothing was transferred."};
constexpr ui::Caption kButtons[] = {{u"RETOUR", u"RETURN"}};

enum Button { Return = 1 };

} // namespace

Transfert::Transfert(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    QLabel* instruction = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    for (QLabel* l : {title, instruction})
        l->setAlignment(Qt::AlignCenter);
    keepCaptioned(instruction, kInstruction);
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    connect(list1_, &ui::ListBox::itemChosen, this, &Transfert::onCategoryChosen);

    body()->addWidget(title);
    body()->addWidget(instruction);
    body()->addSpacing(6);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addStretch(0);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &Transfert::onToolbar);
}

void Transfert::load() {
    readLanguage();
    applyScale();
    guarded([this] { LoadCategories(ctx()); });
    list1_->fill(ctx(), /*upperCase=*/true);
    list1_->setFocus();
    if (list1_->count() > 0)
        list1_->setCurrentRow(0); // the arrows start from the first name
}

void Transfert::onCategoryChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (moved_ || index < 0)
        return;
    const QString arrival = list1_->itemText(row);
    if (!guarded([&] { WriteHandOver(ctx(), handover::Ecrire, {arrival, static_cast<double>(index)}); }))
        return;
    list1_->hide();

    HandOverReader chosen(ctx(), handover::Lire);
    const QString departure = chosen.line();
    const QString label = chosen.line();
    HandOverReader target(ctx(), handover::Ecrire);
    const QString name = target.line();

    bool found = true;
    if (!guarded([&] { found = MoveEntry(ctx(), departure, label, name); })) {
        list1_->show(); // nothing was written: the user may try again or go back
        list1_->setFocus();
        return;
    }
    moved_ = true;
    // The entry was erased or relabelled since it was listed; nothing else was touched.
    if (!found)
        message(text(kNotFound), text(kCaption), ui::MessageIcon::Information);
    open(screen::Mouvement);
}

void Transfert::onToolbar(int index) {
    if (index == Return)
        open(screen::Mouvement);
}

} // namespace tirelou::month
