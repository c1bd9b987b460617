#include "accounts/accounts.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"

#include <QFile>
#include <cmath>

namespace tirelou {
namespace {

constexpr int kAllowedAttempts = 3;
constexpr double kFrancsPerEuro = 6.55957;
constexpr double kFrancsPerPound = 1.52449;

// The new account is built under this name until its password is stored.
QString TemporaryPath(const WorkingContext& ctx, const QString& fileName) {
    return ctx.filePath(fileName + QStringLiteral(".new"));
}

void AddRows(Database& db, const QString& table, const QString& field, const QStringList& values) {
    RecordSet rs;
    rs.open(db, table);
    for (const QString& v : values) {
        rs.addNew();
        rs.setValue(field, v);
        rs.update();
    }
}

// The whole month number held by `value`, when it is a month.
std::optional<int> WholeMonth(double value) {
    const double whole = std::trunc(value);
    if (!(whole >= 1 && whole <= 12))
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace

// ---- Account list

QList<AccountEntry> LoadAccountList(WorkingContext& ctx) {
    ctx.accountFiles = ListAccountFiles(ctx.dataDir());
    QList<AccountEntry> out;
    for (const QString& f : ctx.accountFiles)
        out.append({f, AccountNumberOfFile(f)});
    return out;
}

// ---- Password attempts

void RestartAttempts(WorkingContext& ctx) {
    ctx.modeCode = 0;
}

Attempt CountRefusal(WorkingContext& ctx) {
    ++ctx.modeCode;
    return ctx.modeCode >= kAllowedAttempts ? Attempt::RefusedLast : Attempt::Refused;
}

// ---- Login

std::optional<QString> PickAccount(WorkingContext& ctx, int row) {
    if (row < 1 || row > ctx.accountFiles.size())
        return std::nullopt;
    ctx.accountFile = ctx.accountFiles[row - 1];
    try {
        OpenAccountDb(ctx);
        RecordSet rs;
        rs.open(ctx.accountDb, table::Usager);
        if (rs.eof())
            return std::nullopt;
        return rs.value(field::NumCompte);
    } catch (const DbError&) {
        ctx.accountDb.close();
        throw;
    }
}

LoginOutcome TryLogin(WorkingContext& ctx, const QString& account, const QString& typedPassword) {
    ctx.chosenAccount = account.trimmed();
    RecordSet rs;
    rs.open(ctx.accountDb, table::Usager,
            {{field::NumCompte, ctx.chosenAccount}, {field::Passe, EncodePassword(typedPassword.trimmed())}});
    if (rs.eof())
        return CountRefusal(ctx) == Attempt::RefusedLast ? LoginOutcome::RefusedLast : LoginOutcome::Refused;
    return EnterAccount(ctx, rs.value(field::NumCompte)) ? LoginOutcome::Accepted
                                                         : LoginOutcome::DamagedMonth;
}

bool EnterAccount(WorkingContext& ctx, const QString& number) {
    RecordSet rs;
    rs.open(ctx.accountDb, table::Mois);
    const std::optional<int> month =
        rs.eof() ? std::nullopt : WholeMonth(NumberValue(rs.value(field::Encour)));
    if (!month)
        return false;
    ctx.accountNumber = number;
    ctx.currentMonth = *month;
    MonthTableName(ctx, *month);
    ctx.month = LoadedMonth{};
    return true;
}

// ---- Password change

namespace {

// Whether `typed` (trimmed) is the password of the first user row.
bool PasswordMatches(Database& db, const QString& typed, const Filters& filters = {}) {
    RecordSet rs;
    rs.open(db, table::Usager, filters);
    return !rs.eof() && DecodePassword(rs.value(field::Passe)) == typed.trimmed();
}

} // namespace

bool CheckOldPassword(WorkingContext& ctx, const QString& typed) {
    return PasswordMatches(ctx.accountDb, typed);
}

bool ChangePassword(WorkingContext& ctx, const QString& password) {
    QString number;
    {
        Transaction tx(ctx.accountDb);
        RecordSet rs;
        rs.open(ctx.accountDb, table::Usager);
        if (rs.eof())
            throw DbError("The account has no user row");
        rs.edit();
        rs.setValue(field::Passe, EncodePassword(password.trimmed()));
        rs.update();
        number = rs.value(field::NumCompte);
        tx.commit();
    }
    ctx.chosenAccount = number.trimmed();
    return EnterAccount(ctx, number);
}

// ---- Account deletion

std::optional<QString> PickAccountToDelete(WorkingContext& ctx, int row) {
    const std::optional<QString> number = PickAccount(ctx, row);
    if (!number)
        return std::nullopt;
    ctx.consultFile = ctx.accountFile;
    ctx.chosenAccount = number->trimmed();
    return ctx.chosenAccount;
}

DeletionOutcome DeleteAccount(WorkingContext& ctx, const QString& typed,
                              const std::function<void()>& onDeleting) {
    const bool right = PasswordMatches(ctx.accountDb, typed, {{field::NumCompte, ctx.chosenAccount}});
    const Attempt attempt = CountRefusal(ctx);
    if (!right)
        return attempt == Attempt::RefusedLast ? DeletionOutcome::RefusedLast : DeletionOutcome::Refused;
    if (onDeleting)
        onDeleting();
    // The file is closed before it goes, so that nothing writes it back.
    CloseAccountDb(ctx);
    const QString path = ctx.filePath(ctx.consultFile);
    if (!QFile::remove(path) && QFile::exists(path))
        return DeletionOutcome::NotRemoved;
    return DeletionOutcome::Deleted;
}

// ---- Account creation

const QString& ForbiddenAccountCharacters() {
    static const QString chars = QStringLiteral("/\\:*?\"<>|");
    return chars;
}

NewAccountRefusal CheckNewAccountNumber(const WorkingContext& ctx, const QString& number) {
    const QString n = number.trimmed();
    if (n.isEmpty())
        return NewAccountRefusal::EmptyNumber;
    for (QChar c : n)
        if (ForbiddenAccountCharacters().contains(c) || !c.isPrint())
            return NewAccountRefusal::ForbiddenCharacter;
    if (QFile::exists(ctx.filePath(AccountFileName(n, ctx.clock.today().year()))))
        return NewAccountRefusal::Exists;
    return NewAccountRefusal::None;
}

const QStringList& DefaultCategories(bool french) {
    static const QStringList fr{QStringLiteral("ASSURANCES"),  QStringLiteral("ENERGIE"),
                                QStringLiteral("HABILLEMENT"), QStringLiteral("IMPOTS"),
                                QStringLiteral("MAISON"),      QStringLiteral("LOISIRS"),
                                QStringLiteral("PRELEVEMENT"), QStringLiteral("VOITURE"),
                                QStringLiteral("VACANCES"),    QStringLiteral("SANTE")};
    static const QStringList en{QStringLiteral("INSURANCES"), QStringLiteral("ENERGY"),
                                QStringLiteral("CLOTHING"),   QStringLiteral("TAXES"),
                                QStringLiteral("HOUSE"),      QStringLiteral("LEISURES"),
                                QStringLiteral("TAKING"),     QStringLiteral("CAR"),
                                QStringLiteral("VACATIONS"),  QStringLiteral("HEALTH")};
    return french ? fr : en;
}

NewAccountRefusal BuildAccountDatabase(WorkingContext& ctx, const QString& number,
                                       const std::function<void(CreationStage)>& onStage) {
    const NewAccountRefusal refusal = CheckNewAccountNumber(ctx, number);
    if (refusal != NewAccountRefusal::None)
        return refusal;
    AbandonNewAccount(ctx);

    const QString fileName = AccountFileName(number, ctx.clock.today().year());
    const QString temp = TemporaryPath(ctx, fileName);
    QFile::remove(temp); // left by a run that ended before the password was given
    if (!QFile::copy(ctx.filePath(TemplateFileName), temp))
        throw DbError(
            QStringLiteral("Cannot copy %1 to %2").arg(ctx.filePath(TemplateFileName), temp).toStdString());
    try {
        ctx.targetDb.open(temp);
        Transaction tx(ctx.targetDb);
        if (onStage)
            onStage(CreationStage::FrenchCategories);
        AddRows(ctx.targetDb, table::Rubriques, field::Rubrique, DefaultCategories(true));
        if (onStage)
            onStage(CreationStage::EnglishCategories);
        AddRows(ctx.targetDb, table::Rubriqueseng, field::Rubrique, DefaultCategories(false));
        // Every new account starts at month 1, whatever the date.
        AddRows(ctx.targetDb, table::Mois, field::Encour, {QStringLiteral("1")});
        tx.commit();
    } catch (...) {
        ctx.targetDb.close();
        QFile::remove(temp);
        throw;
    }
    ctx.accountFile = fileName;
    return NewAccountRefusal::None;
}

bool NewAccountPending(const WorkingContext& ctx) {
    return ctx.targetDb.isOpen() && ctx.targetDb.path().endsWith(QStringLiteral(".acd.new"));
}

NewAccountRefusal StoreAccountUser(WorkingContext& ctx, const QString& number, const QString& password) {
    if (!NewAccountPending(ctx))
        throw DbError("No new account is being made");
    const QString temp = ctx.targetDb.path();
    {
        Transaction tx(ctx.targetDb);
        RecordSet rs;
        rs.open(ctx.targetDb, table::Usager);
        rs.addNew();
        rs.setValue(field::NumCompte, number.trimmed());
        rs.setValue(field::Passe, EncodePassword(password));
        rs.update();
        tx.commit();
    }
    ctx.targetDb.close();
    const QString target = ctx.filePath(ctx.accountFile);
    if (QFile::exists(target)) {
        QFile::remove(temp);
        return NewAccountRefusal::Exists;
    }
    // Renaming never replaces an existing file.
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        throw DbError(QStringLiteral("Cannot name the new account file %1").arg(target).toStdString());
    }
    return NewAccountRefusal::None;
}

void AbandonNewAccount(WorkingContext& ctx) {
    if (!NewAccountPending(ctx))
        return;
    const QString temp = ctx.targetDb.path();
    ctx.targetDb.close();
    QFile::remove(temp);
}

// ---- Main menu

QString MenuDateLine(const QDate& day, const QLocale& locale) {
    return locale.toString(day, QStringLiteral("dddd dd MMMM yyyy")).toUpper();
}

void ReadRemainder(WorkingContext& ctx) {
    try {
        RecordSet rs;
        rs.open(ctx.accountDb, ctx.monthTable);
        if (!rs.eof())
            ctx.month.remainderText = rs.value(field::Reste);
    } catch (const DbError&) {
        // No such month table: the remainder stays as it was.
    }
}

QString AccountLine(const WorkingContext& ctx) {
    const QString sign = ctx.french() ? QStringLiteral(" €") : QStringLiteral(" £");
    return ctx.pick(QStringLiteral("Compte "), QStringLiteral("Account ")) + ctx.accountNumber +
           QStringLiteral("   ") + FormatAmount(AmountValue(ctx.month.remainderText)) + sign;
}

std::optional<int> TypedMonth(const QString& typed) {
    return WholeMonth(AmountValue(typed));
}

void SetCurrentMonth(WorkingContext& ctx, int month) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, table::Mois);
    if (rs.eof())
        rs.addNew(); // a file that lost its month row gets it back
    else
        rs.edit();
    rs.setValue(field::Encour, QString::number(month));
    rs.update();
    tx.commit();
}

void WriteCurrentMonthHandOver(const WorkingContext& ctx) {
    WriteHandOver(ctx, handover::Encour, {QStringLiteral("ENCOUR")});
}

QString LastYearText(const WorkingContext& ctx) {
    return QString::number(ctx.clock.today().year() - 1);
}

void WriteConsultHandOver(const WorkingContext& ctx, int month, bool archive, const QString& yearText) {
    if (archive) {
        const QString year = yearText.trimmed().isEmpty() ? LastYearText(ctx) : yearText.trimmed();
        WriteHandOver(ctx, handover::Encour, {QStringLiteral("ARCHIVE"), static_cast<double>(month), year});
        return;
    }
    WriteHandOver(
        ctx, handover::Encour,
        {QStringLiteral("CONSULT"), static_cast<double>(month), static_cast<double>(ctx.currentMonth)});
}

QString FrancsText(const QString& remainderText, bool french, const QString& decimalPoint) {
    const double francs = AmountValue(remainderText) * (french ? kFrancsPerEuro : kFrancsPerPound);
    return FormatNumber(francs, u"### ### ##0.00").trimmed().replace(u'.', decimalPoint) +
           QStringLiteral("  Fr.");
}

void CloseAccountDb(WorkingContext& ctx) {
    CloseWorkRs(ctx);
    ctx.accountDb.close();
}

} // namespace tirelou
