#pragma once

#include <QString>
#include <stdexcept>

namespace tirelou {

// Any failure of the database engine: a file that cannot be opened, a missing table or
// field, a write that did not go through, a move with no current record.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file of the data folder that cannot be read, written, copied or renamed.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the user is told of a failure, in the working language only. The engine's own
// text (what()) is English and technical; it is kept for the logs and the tests.
inline QString FailureReason(const std::exception& e, bool french) {
    if (dynamic_cast<const std::range_error*>(&e))
        return french ? QStringLiteral("le montant est trop grand pour être gardé.")
                      : QStringLiteral("the amount is too large to be kept.");
    if (dynamic_cast<const FileError*>(&e))
        return french ? QStringLiteral("un fichier du dossier des données n'a pas pu être lu ou écrit.")
                      : QStringLiteral("a file of the data folder could not be read or written.");
    if (dynamic_cast<const DbError*>(&e))
        return french ? QStringLiteral("le fichier du compte a refusé la lecture ou l'écriture.")
                      : QStringLiteral("the account file refused the reading or the writing.");
    return french ? QStringLiteral("une erreur imprévue s'est produite.")
                  : QStringLiteral("an unexpected error happened.");
}

} // namespace tirelou
