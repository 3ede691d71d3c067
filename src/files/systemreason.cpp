#include "files/systemreason.h"

#include <QFileInfo>

#include <cerrno>

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
    case EFBIG:
        return QStringLiteral("disco cheio ou arquivo grande demais");
    case EDQUOT:
        return QStringLiteral("cota de disco excedida");
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

QString fileFailureReason(const QFileDevice& file)
{
    // Qt refuses a folder itself, without a system error to tell why.
    if (QFileInfo(file.fileName()).isDir())
        return fileFailureReason(EISDIR, file.error());
    return fileFailureReason(errno, file.error());
}
