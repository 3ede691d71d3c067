#include "backupnotice.h"
#include "clitext.h"

#include "report.h"

#include "files/buildtree.h"

#include <QFileInfo>

QString buildTreeBackupWarning(const QString& buildTree)
{
    return Cli::tr("aviso: esta pasta de cópias de segurança fica dentro da pasta de compilação %1, e apagar "
                   "a compilação apaga também as cópias. Para guardá-las em outro lugar, use --backup-dir "
                   "PASTA ou instale o pacote (as cópias vão então para ~/.config/hxconfig/Backups).")
        .arg(buildTree);
}

void noteWhereBackupWent(const QString& backupPath)
{
    static bool noted = false;
    if (noted || backupPath.isEmpty())
        return;
    const QString folder = QFileInfo(backupPath).absolutePath();
    const QString buildTree = enclosingBuildTree(folder);
    if (buildTree.isEmpty())
        return;
    noted = true;
    report::error(folder, buildTreeBackupWarning(buildTree));
}
