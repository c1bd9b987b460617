#include "accounts/accountgrid.h"

#include "accounts/accounts.h"
#include "accounts/screenlook.h"
#include "data/errors.h"
#include "data/workingcontext.h"
#include "ui/logo.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace tirelou::accounts {
namespace {

constexpr ui::Caption kNoUser{u"Ce compte n'a pas de mot de passe : sa création n'a pas été terminée.",
                              u"This account has no password: its creation was not finished."};
constexpr ui::Caption kUnreadable{
    u"Le fichier %1 ne peut pas être ouvert : ce n'est pas un compte, ou il a disparu.",
    u"The file %1 cannot be opened: it is not an account, or it is gone."};

} // namespace

void OnAccountChosen(ui::Grid* grid, std::function<void(int)> chosen) {
    // The grid reports Enter and Space on its current row as a click.
    QObject::connect(grid, &QTableWidget::cellClicked, grid, [chosen](int row, int) { chosen(row); });
}

std::optional<QString> PickOrExplain(WorkingContext& ctx, int row,
                                     const std::function<std::optional<QString>(WorkingContext&, int)>& pick,
                                     QString& why) {
    try {
        const std::optional<QString> number = pick(ctx, row);
        if (!number)
            why = kNoUser.in(ctx.french());
        return number;
    } catch (const DbError&) {
        why = kUnreadable.in(ctx.french()).arg(ctx.accountFile);
        return std::nullopt;
    }
}

ui::Grid* MakeAccountGrid(QWidget* parent) {
    auto* grid = ui::Named<ui::Grid>(parent, QStringLiteral("MSFlexGrid1"));
    grid->setColumnCount(2);
    grid->setDesignedColumnWidths({450, 3200});
    grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return grid;
}

int FillAccountGrid(ui::Grid* grid, WorkingContext& ctx, bool freeRow) {
    const QList<AccountEntry> accounts = LoadAccountList(ctx);
    grid->clearAll();
    grid->setColumnCount(2);
    grid->setText(0, 0, QStringLiteral("N°"));
    grid->setText(0, 1, ctx.pick(QStringLiteral("BANQUE"), QStringLiteral("BANK")));
    grid->setAlignment(0, 0, Qt::AlignHCenter);
    int row = 0;
    for (const AccountEntry& a : accounts) {
        row = grid->addRow();
        grid->setText(row, 0, QString::number(row));
        grid->setAlignment(row, 0, Qt::AlignHCenter);
        grid->setText(row, 1, a.number);
    }
    if (freeRow) {
        row = grid->addRow();
        grid->setText(row, 0, QString::number(row));
        grid->setAlignment(row, 0, Qt::AlignHCenter);
        grid->setText(row, 1, QString());
    }
    return static_cast<int>(accounts.size());
}

void FitAccountGrid(ui::Grid* grid) {
    const int columns = grid->columnWidth(0) + grid->columnWidth(1);
    grid->setFixedWidth(columns + 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width());
    // Room for a few rows more than there are, up to fourteen; a longer list scrolls.
    constexpr int kFewestRows = 9;
    constexpr int kMostRows = 14;
    const int rows = std::clamp(grid->rowCount() + 1, kFewestRows, kMostRows);
    grid->setFixedHeight(rows * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
}

void LayOutAccountScreen(QVBoxLayout* body, QLabel* title, QLabel* prompt, ui::Grid* grid,
                         QWidget* belowGrid) {
    auto* picture = new ui::PiggyPicture(grid->parentWidget());
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(240, 180);

    auto* column = new QVBoxLayout;
    column->addWidget(grid, 1, Qt::AlignHCenter);
    column->addSpacing(6);
    column->addWidget(belowGrid);

    auto* middle = new QHBoxLayout;
    middle->addStretch(1);
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addSpacing(32);
    middle->addLayout(column);
    middle->addStretch(1);

    SetTitleLook(title);
    SetPromptLook(prompt);
    body->addStretch(1);
    body->addWidget(title);
    body->addSpacing(10);
    body->addWidget(prompt, 0, Qt::AlignHCenter);
    body->addSpacing(18);
    body->addLayout(middle);
    body->addStretch(2);
}

AccountGridScreen::AccountGridScreen(const ui::ScreenEnv& env, const ui::Caption& caption,
                                     const ui::Caption& title, const ui::Caption& back)
    : ScreenBase(env) {
    label1_ = makeTitle(title);
    label2_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("prompt"));
    grid_ = MakeAccountGrid(this);
    text1_ = ui::Named<ui::InputField>(this, QStringLiteral("Text1"));
    text2_ = ui::Named<ui::InputField>(this, QStringLiteral("Text2"));

    // One field shows at a time, always in the same place: the screen does not jump.
    fieldBox_ = new QWidget(this);
    auto* fields = new QVBoxLayout(fieldBox_);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(text1_);
    fields->addWidget(text2_);
    LayOutAccountScreen(body(), label1_, label2_, grid_, fieldBox_);

    setCaption(caption);
    connect(makeToolbar({back}), &ui::Toolbar::buttonClicked, this, [this](int index) {
        if (index == 1)
            leave();
    });
    OnAccountChosen(grid_, [this](int r) { onGridClicked(r); });
    connect(text1_, &ui::InputField::entered, this, [this] { onFirstEntered(); });
    connect(text2_, &ui::InputField::entered, this, [this] { onSecondEntered(); });
}

void AccountGridScreen::resetGrid(const ui::Caption& prompt, bool freeRow) {
    text1_->hide();
    text2_->hide();
    text1_->clear();
    text2_->clear();
    readLanguage();
    label2_->setText(text(prompt));
    grid_->setEnabled(false);
    FillAccountGrid(grid_, ctx(), freeRow);
    grid_->setEnabled(true);
    toolbar()->setEnabled(true);
    applyScale();
    FitAccountGrid(grid_);
    fieldBox_->setFixedHeight(text1_->sizeHint().height());
    grid_->setFocus(); // the row is chosen with the arrows and Enter too
}

void AccountGridScreen::leave() {
    CloseAccountDb(ctx());
    open(screen::MotDePasse);
}

} // namespace tirelou::accounts
