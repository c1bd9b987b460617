#include "support/testdata.h"

#include "data/handover.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"

#include <QFile>
#include <stdexcept>

namespace tirelou::test {

QStringList DefaultFrenchCategories() {
    return {QStringLiteral("ASSURANCES"),  QStringLiteral("ENERGIE"), QStringLiteral("HABILLEMENT"),
            QStringLiteral("IMPOTS"),      QStringLiteral("MAISON"),  QStringLiteral("LOISIRS"),
            QStringLiteral("PRELEVEMENT"), QStringLiteral("VOITURE"), QStringLiteral("VACANCES"),
            QStringLiteral("SANTE")};
}

QStringList DefaultEnglishCategories() {
    return {QStringLiteral("INSURANCES"), QStringLiteral("ENERGY"), QStringLiteral("CLOTHING"),
            QStringLiteral("TAXES"),      QStringLiteral("HOUSE"),  QStringLiteral("LEISURES"),
            QStringLiteral("TAKING"),     QStringLiteral("CAR"),    QStringLiteral("VACATIONS"),
            QStringLiteral("HEALTH")};
}

TestData::TestData() {
    if (!dir_.isValid() || !EnsureTemplate(dir_.path()))
        throw std::runtime_error("cannot make a test data folder");
    ctx_ = std::make_unique<WorkingContext>(dir_.path());
    ctx_->pauseMs = 10;
}

TestData::~TestData() = default;

QString TestData::path(const QString& name) const {
    return ctx_->filePath(name);
}

QString TestData::addAccount(const QString& number, int year, const QString& password, int month) {
    const QString name = AccountFileName(number, year);
    if (!QFile::copy(path(TemplateFileName), path(name)))
        throw std::runtime_error("cannot copy the template");
    Database db;
    db.open(path(name));
    RecordSet rs;
    const auto addOne = [&rs, &db](const QString& table, const Row& values) {
        rs.open(db, table);
        rs.addNew();
        for (auto it = values.begin(); it != values.end(); ++it)
            rs.setValue(it.key(), it.value());
        rs.update();
        rs.close();
    };
    addOne(table::Usager, {{field::NumCompte, number}, {field::Passe, EncodePassword(password)}});
    addOne(table::Mois, {{field::Encour, QString::number(month)}});
    for (const QString& c : DefaultFrenchCategories())
        addOne(table::Rubriques, {{field::Rubrique, c}});
    for (const QString& c : DefaultEnglishCategories())
        addOne(table::Rubriqueseng, {{field::Rubrique, c}});
    return name;
}

void TestData::login(const QString& fileName, const QString& language) {
    WorkingContext& c = *ctx_;
    setLanguage(language);
    c.accountFile = fileName;
    OpenAccountDb(c);
    c.workRs.open(c.accountDb, table::Usager);
    c.accountNumber = c.workRs.value(field::NumCompte);
    c.chosenAccount = c.accountNumber;
    c.workRs.open(c.accountDb, table::Mois);
    c.currentMonth = static_cast<int>(c.workRs.value(field::Encour).toDouble());
    CloseWorkRs(c);
    MonthTableName(c, c.currentMonth);
}

void TestData::addRow(const QString& table, const Row& fields) {
    RecordSet rs;
    rs.open(ctx_->accountDb, table);
    rs.addNew();
    for (const QString& f : MonthFields())
        rs.setValue(f, fields.value(f, QStringLiteral("0")));
    rs.update();
}

namespace {

QList<Row> ReadRows(Database& db, const QString& table) {
    RecordSet rs;
    rs.open(db, table);
    QList<Row> out;
    for (; !rs.eof(); rs.moveNext()) {
        Row r;
        for (const QString& f : rs.fieldNames())
            r.insert(f, rs.value(f));
        out << r;
    }
    return out;
}

} // namespace

QList<Row> TestData::rows(const QString& table) const {
    return ReadRows(ctx_->accountDb, table);
}

QList<Row> TestData::rowsOf(const QString& filePath, const QString& table) const {
    Database db;
    db.open(filePath);
    return ReadRows(db, table);
}

void TestData::setLanguage(const QString& language) {
    WriteLanguage(*ctx_, language);
}

} // namespace tirelou::test
