#include "files/systemreason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

QString fileFailureReason(int errnoValue, QFileDevice::FileError error)
{
    switch (errnoValue) {
    case EACCES:
    case EPERM:
        return QStringLiteral("sem permissão");
    case ENOENT:
        return QStringLiteral("arquivo ou pasta inexistente");
    case ENOTDIR:
        return QStringLiteral("parte do caminho não é uma pasta");
    case EEXIST:
        return QStringLiteral("já existe um arquivo com esse nome");
    case EISDIR:
        return QStringLiteral("é uma pasta, não um arquivo");
    case ENOSPC:
        return QStringLiteral("disco cheio");
    case EDQUOT:
        return QStringLiteral("disco cheio (cota do usuário excedida)");
    case EFBIG:
        return QStringLiteral("disco cheio (limite de tamanho de arquivo)");
    case ELOOP:
        return QStringLiteral("é um link simbólico");
    case ENXIO:
        return QStringLiteral("não é um arquivo comum");
    case EROFS:
        return QStringLiteral("sistema de arquivos somente leitura");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("arquivos abertos demais");
    case EIO:
        return QStringLiteral("erro de entrada e saída do dispositivo");
    case ENAMETOOLONG:
        return QStringLiteral("nome longo demais");
    default:
        break;
    }
    switch (error) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::ReadError:
        return QStringLiteral("erro de leitura");
    case QFileDevice::WriteError:
        return QStringLiteral("erro de gravação");
    case QFileDevice::ResourceError:
        return QStringLiteral("sem recursos do sistema (disco cheio?)");
    case QFileDevice::PermissionsError:
        return QStringLiteral("sem permissão");
    case QFileDevice::OpenError:
        return QStringLiteral("não foi possível abrir");
    case QFileDevice::RenameError:
        return QStringLiteral("não foi possível renomear o arquivo temporário");
    default:
        return QStringLiteral("erro do sistema de arquivos");
    }
}

QString openFailureReason(const QString& path, bool forWriting, QFileDevice::FileError error)
{
    const QFileInfo info(path);
    if (info.isDir())
        return fileFailureReason(EISDIR, error);
    // The effective user's rights, as the failed open had them.
    const auto refusal = [](const QString& target, int mode) {
        return ::faccessat(AT_FDCWD, QFile::encodeName(target).constData(), mode, AT_EACCESS) == 0 ? 0 : errno;
    };
    int reason = 0;
    if (info.exists())
        reason = refusal(path, forWriting ? W_OK : R_OK);
    else if (!forWriting || !info.absoluteDir().exists())
        reason = ENOENT;
    else
        reason = refusal(info.absolutePath(), W_OK | X_OK);
    return fileFailureReason(reason, error == QFileDevice::NoError ? QFileDevice::OpenError : error);
}

QString transferFailureReason(const QFileDevice& file)
{
    return fileFailureReason(errno, file.error());
}

QString folderFailureReason(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return fileFailureReason(EEXIST, QFileDevice::OpenError);
    return openFailureReason(folder, true, QFileDevice::OpenError);
}
