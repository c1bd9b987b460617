#include "month/compteencours.h"

#include "data/handover.h"
#include "data/workingcontext.h"
#include "reports/yearfile.h"
#include "ui/printer.h"
#include "ui/reportgrid.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Voir Compte", u"To see Account"};
constexpr ui::Caption kTitle{u"Tirelou Familial", u"Tirelou Familial"};
constexpr ui::Caption kButtons[] = {{u"QUITTER", u"To LEAVE"}, {u"IMPRIMER", u"To PRINT"}};

enum Button { Leave = 1, Print = 2 };

} // namespace

CompteEncours::CompteEncours(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    keepCaptioned(title, kTitle);
    title->setAlignment(Qt::AlignCenter);
    account_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("line"));
    grid_ = ui::Named<ui::Grid>(this, QStringLiteral("MSFlexGrid1"));
    grid_->setDesignedColumnWidths({4900, 2400, 1800, 2200});
    body()->addWidget(title);
    body()->addWidget(account_);
    body()->addWidget(grid_, 1);
    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &CompteEncours::onToolbar);
}

void CompteEncours::load() {
    readLanguage();
    StatementLoad loaded;
    if (guarded([&] { loaded = LoadStatement(ctx()); }) && loaded.opened == YearOpen::Missing)
        message(MissingYearMessage(ctx(), loaded.archive, loaded.yearText), QStringLiteral("TIRELOU"),
                ui::MessageIcon::Stop);
    if (loaded.report.columnNames.isEmpty())
        loaded.report.columnNames = ReportColumnNames(french());
    statement_ = loaded.report;
    account_->setText(StatementAccountLine(ctx().accountNumber, loaded.yearText, french()));
    ui::FillReportGrid(*grid_, statement_);
    grid_->setAccessibleName(account_->text());
    toolbar()->setButtonEnabled(Print, !statement_.rows.empty());
    applyScale();
    grid_->setFocus();
}

void CompteEncours::onToolbar(int index) {
    if (index == Leave)
        leave();
    else if (index == Print)
        print();
}

void CompteEncours::print() {
    const ui::PrintResult printed = ui::Print(
        PrintReport(statement_, StatementPaper(french()), text(kCaption).replace(u' ', u'-')), ctx());
    if (const QString outcome = ui::PrintOutcomeText(printed, french()); !outcome.isEmpty())
        message(outcome, text(kCaption), printed.ok ? ui::MessageIcon::Information : ui::MessageIcon::Stop);
}

void CompteEncours::leave() {
    const QString mode = ReadYearHandOver(ctx(), handover::Encour).modeWord;
    // Only the consultation of an archived month goes on with the archived file.
    if (!IsArchiveMode(mode) && !guarded([this] { ReopenCurrentYear(ctx()); }))
        return;
    open(mode == mode::Encour ? screen::MoisEnCours : screen::MoisConsulter);
}

} // namespace tirelou::month
