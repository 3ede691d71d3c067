#pragma once

#include <QString>
#include <QStringList>

// Names of the command row buttons, left to right: the window's rules give them their focus
// behaviour, its look gives them their font.
inline QStringList commandButtonNames()
{
    return {QStringLiteral("BtPedeStatus"), QStringLiteral("BtLer"),     QStringLiteral("BtDesbloqueio"),
            QStringLiteral("BtGravar"),     QStringLiteral("BtDefault"), QStringLiteral("BtReboot"),
            QStringLiteral("btnLog"),       QStringLiteral("BtSair")};
}
