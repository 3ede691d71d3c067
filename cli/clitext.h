#pragma once

#include <QCoreApplication>

// The texts of the command line in the user's language: Cli::tr("...") with the context "Cli".
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
