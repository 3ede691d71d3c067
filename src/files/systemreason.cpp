#include "files/systemreason.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("Files", "sem permissão");
    case ENOENT:
        return QCoreApplication::translate("Files", "arquivo ou pasta inexistente");
    case ENOTDIR:
        return QCoreApplication::translate("Files", "parte do caminho não é uma pasta");
    case EEXIST:
        return QCoreApplication::translate("Files", "já existe um arquivo com esse nome");
    case EISDIR:
        return QCoreApplication::translate("Files", "é uma pasta, não um arquivo");
    case ENOSPC:
        return QCoreApplication::translate("Files", "disco cheio");
    case EDQUOT:
        return QCoreApplication::translate("Files", "disco cheio (cota do usuário excedida)");
    case EFBIG:
        return QCoreApplication::translate("Files", "disco cheio (limite de tamanho de arquivo)");
    case ELOOP:
        return QCoreApplication::translate("Files", "é um link simbólico");
    case ENXIO:
        return QCoreApplication::translate("Files", "não é um arquivo comum");
    case EROFS:
        return QCoreApplication::translate("Files", "sistema de arquivos somente leitura");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("Files", "arquivos abertos demais");
    case EIO:
        return QCoreApplication::translate("Files", "erro de entrada e saída do dispositivo");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Files", "nome longo demais");
    default:
        break;
    }
    switch (error) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::ReadError:
        return QCoreApplication::translate("Files", "erro de leitura");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("Files", "erro de gravação");
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("Files", "sem recursos do sistema (disco cheio?)");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("Files", "sem permissão");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("Files", "não foi possível abrir");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("Files", "não foi possível renomear o arquivo temporário");
    default:
        return QCoreApplication::translate("Files", "erro do sistema de arquivos");
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
