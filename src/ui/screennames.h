#pragma once

#include <QString>

// The names by which screens open each other.
namespace tirelou::screen {
inline const QString Copyright = QStringLiteral("Copyright");
inline const QString Fond = QStringLiteral("Fond");
inline const QString Language = QStringLiteral("Language");
inline const QString MotDePasse = QStringLiteral("MotDePasse");
inline const QString Creer = QStringLiteral("Creer");
inline const QString MenuTirelou = QStringLiteral("MenuTirelou");
inline const QString Code = QStringLiteral("Code");
inline const QString Supprime = QStringLiteral("Supprime");
inline const QString MoisEnCours = QStringLiteral("MoisEnCours");
inline const QString EnregisUn = QStringLiteral("EnregisUn");
inline const QString ModifCheque = QStringLiteral("ModifCheque");
inline const QString BanqueUn = QStringLiteral("BanqueUn");
inline const QString CompteEncours = QStringLiteral("CompteEncours");
inline const QString Mouvement = QStringLiteral("Mouvement");
inline const QString Transfert = QStringLiteral("Transfert");
inline const QString Prevision = QStringLiteral("Prevision");
inline const QString ModifPrevi = QStringLiteral("ModifPrevi");
inline const QString EnregisPrelev = QStringLiteral("EnregisPrelev");
inline const QString VoirPrelev = QStringLiteral("VoirPrelev");
inline const QString ModifPrel = QStringLiteral("ModifPrel");
inline const QString Reserve = QStringLiteral("Reserve");
inline const QString EnregisReserve = QStringLiteral("EnregisReserve");
inline const QString MoisSuivant = QStringLiteral("MoisSuivant");
inline const QString MoisConsulter = QStringLiteral("MoisConsulter");
inline const QString LireRubriques = QStringLiteral("LireRubriques");
inline const QString RubriqueVoir = QStringLiteral("RubriqueVoir");
inline const QString VoirDouze = QStringLiteral("VoirDouze");
inline const QString Theme = QStringLiteral("Theme");
inline const QString MoisThem = QStringLiteral("MoisThem");
inline const QString Sauvegarde = QStringLiteral("Sauvegarde");
} // namespace tirelou::screen
