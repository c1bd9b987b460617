#pragma once

#include "data/workingcontext.h"

#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tirelou::test {

using Row = QMap<QString, QString>;

// An amount pair as the month rows store it: first number, `blanks` blanks, second number.
inline QString Pair(const QString& first, int blanks, const QString& second) {
    return first + QString(blanks, QLatin1Char(' ')) + second;
}

// A fresh data folder holding the template, with a working context on it.
class TestData {
public:
    TestData();
    ~TestData();

    QString dir() const { return dir_.path(); }
    QString path(const QString& name) const;
    WorkingContext& ctx() { return *ctx_; }

    // Makes an account file from the template: the user row (password stored encoded),
    // Mois at `month`, and the ten default categories in both languages. Returns its name.
    QString addAccount(const QString& number, int year, const QString& password = QStringLiteral("SECRET"),
                       int month = 1);
    // Logs the working context into that file as the login screen does.
    void login(const QString& fileName, const QString& language = QStringLiteral("Français"));

    // Month rows of the open account file. Fields not given are written "0".
    void addRow(const QString& table, const Row& fields);
    QList<Row> rows(const QString& table) const;
    // Rows of any file of the data folder (or of the archive folder).
    QList<Row> rowsOf(const QString& filePath, const QString& table) const;

    // Writes "Langue.dat".
    void setLanguage(const QString& language);

private:
    QTemporaryDir dir_;
    std::unique_ptr<WorkingContext> ctx_;
};

QStringList DefaultFrenchCategories();
QStringList DefaultEnglishCategories();

} // namespace tirelou::test
